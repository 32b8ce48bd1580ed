#include "controls/CaptionButton.h"

#include "controls/CommonLook.h"

CaptionButton::CaptionButton(wxWindow* parent, const wxString& label)
    : wxButton(parent, wxID_ANY, label, wxDefaultPosition, CreationSize(captionWidth),
               wxALIGN_CENTRE)
{
    ApplyCaptionLook(this, label);
}
