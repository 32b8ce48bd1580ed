#include "controls/myButton.h"

#include "controls/CommonLook.h"

myButton::myButton(wxWindow* parent, const wxString& label)
    : wxButton(parent, wxID_ANY, label, wxDefaultPosition, wxDefaultSize, wxALIGN_CENTRE)
{
    ApplyCaptionLook(this);
}
