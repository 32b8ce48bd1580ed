// A read-only drop-down list of fixed size. Pages append their choices and
// store the selected index.
#pragma once

#include <wx/combobox.h>

class ChoiceField : public wxComboBox
{
public:
    explicit ChoiceField(wxWindow* parent);

    // Pages hand on indexes read from files without checking them. An
    // index outside the choices clears the selection, so the box shows
    // nothing and GetSelection() reports -1 (and -1 is what gets written).
    void SetSelection(int index) override;

    // after the choices are in: widens the box where a choice would be cut
    void FitChoices();
};
