// A read-only drop-down list, as wide as its longest choice needs. Pages
// append their choices and store the selected index.
#pragma once

#include <wx/combobox.h>

class ChoiceField : public wxComboBox
{
public:
    explicit ChoiceField(wxWindow* parent);

    // The settings hold one of the choices' indexes, or -1 for a number
    // read that is none (Setting::Accept). -1, or any index outside the
    // choices, clears the selection: the box shows nothing and
    // GetSelection() reports -1, which is what gets written.
    void SetSelection(int index) override;
};
