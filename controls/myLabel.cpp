#include "controls/myLabel.h"

#include "controls/CommonLook.h"

myLabel::myLabel(wxWindow* parent, const wxString& text)
    : wxStaticText(parent, wxID_ANY, text, wxDefaultPosition, CreationSize(captionWidth),
                   wxALIGN_CENTRE | wxST_NO_AUTORESIZE)
{
    ApplyCaptionLook(this, text);
}
