#include "controls/myButton.h"

#include "controls/CommonLook.h"

myButton::myButton(wxWindow* parent, const wxString& label)
    : wxButton(parent, wxID_ANY, label, wxDefaultPosition, CreationSize(captionWidth),
               wxALIGN_CENTRE)
{
    ApplyCaptionLook(this, label);
}
