#include "controls/myInput.h"

#include "controls/CommonLook.h"
#include "controls/PageShowFocus.h"

myInput::myInput(wxWindow* parent)
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, CreationSize(fieldWidth),
                 wxTE_RICH)
{
    ApplyFieldLook(this);
    KeepUnselectedWhenPageShown(this);
}
