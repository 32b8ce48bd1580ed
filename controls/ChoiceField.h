// A read-only drop-down list of the choices it is made with, as wide as the
// longest needs. Pages store the selected index.
#pragma once

#include <wx/combobox.h>

class ChoiceField : public wxComboBox
{
public:
    ChoiceField(wxWindow* parent, const wxArrayString& choices);

    // The settings hold one of the choices' indexes, or -1 for a number
    // read that is none (Setting::Accept). -1, or any index outside the
    // choices, clears the selection: the box shows nothing and
    // GetSelection() reports -1, which is what gets written.
    void SetSelection(int index) override;
};
