#include "controls/myInput.h"

#include "controls/CommonLook.h"

myInput::myInput(wxWindow* parent)
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_RICH)
{
    ApplyFieldLook(this);
}
