// An integer input: a slider and a spin control side by side, always
// showing the same value. One arrow step of the spin control moves by the
// step given; dragging the slider or typing a number copies it freely.
#pragma once

#include <wx/panel.h>

class wxSlider;
class wxSpinCtrl;
class wxSpinEvent;

class NumberField : public wxPanel
{
public:
    NumberField(wxWindow* parent, int min, int max, int step);

    // A value outside the range is held at the nearest end, in both controls.
    void SetValue(int value);
    int GetValue() const;

    // what a screen reader calls the slider and the spin control both
    void SetCaption(const wxString& caption);

private:
    void CreateControls(int min, int max, int step);
    void LayoutControls();

    void OnSliderUpdated(wxCommandEvent& event);
    void OnSpinEnter(wxCommandEvent& event);
    void OnSpinUpdated(wxSpinEvent& event);

    wxSlider* slider;
    wxSpinCtrl* spinCtrl;    // holds the authoritative value

    wxDECLARE_EVENT_TABLE();
};
