#include "controls/ChoiceField.h"

// given all at once, the choices are measured once
ChoiceField::ChoiceField(wxWindow* parent, const wxArrayString& choices)
    : wxComboBox(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, choices,
                 wxCB_READONLY)
{
}

void ChoiceField::SetSelection(int index)
{
    const bool valid = index >= 0 && static_cast<unsigned>(index) < GetCount();
    wxComboBox::SetSelection(valid ? index : wxNOT_FOUND);
    // GTK keeps the old choice's text in the field when the selection is
    // cleared; empty it, or the box would show a choice it does not report
    if (!valid)
        ChangeValue(wxString());
}
