#include "controls/CaptionButton.h"

CaptionButton::CaptionButton(wxWindow* parent, const wxString& label)
    : wxButton(parent, wxID_ANY, label)
{
}
