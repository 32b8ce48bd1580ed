#include "controls/TextField.h"


TextField::TextField(wxWindow* parent)
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, wxTE_RICH)
{
}
