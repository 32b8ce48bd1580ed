#include "controls/myLabel.h"

#include "controls/CommonLook.h"

myLabel::myLabel(wxWindow* parent, const wxString& text)
    : wxStaticText(parent, wxID_ANY, text, wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE)
{
    ApplyCaptionLook(this);
}
