#include "controls/TextField.h"

#include "controls/CommonLook.h"
#include "controls/PageShowFocus.h"

TextField::TextField(wxWindow* parent)
    : wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, CreationSize(fieldWidth),
                 wxTE_RICH)
{
    ApplyFieldLook(this);
    KeepUnselectedWhenPageShown(this);
}
