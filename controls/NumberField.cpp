#include "controls/NumberField.h"

#include <algorithm>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "controls/CommonLook.h"

namespace
{
enum
{
    sliderId = 0,
    spinId = 1
};

const int sliderWidth = 100;
}

// ----------------------------------------------------------------------------
// event table
// ----------------------------------------------------------------------------

wxBEGIN_EVENT_TABLE(NumberField, wxPanel)
    EVT_SLIDER(sliderId, NumberField::OnSliderUpdated)
    EVT_TEXT_ENTER(spinId, NumberField::OnSpinEnter)
    EVT_SPINCTRL(spinId, NumberField::OnSpinUpdated)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

NumberField::NumberField(wxWindow* parent, int min, int max, int step)
    : wxPanel(parent, wxID_ANY)
{
    CreateControls(min, max, step);
    LayoutControls();
}

void NumberField::CreateControls(int min, int max, int step)
{
    SetInitialSize(wxSize(fieldWidth, -1));
    // Created at 0 straight into its range, the slider clamps 0 as it would
    // if given the range afterwards; setting a range costs a full update.
    slider = new wxSlider(this, sliderId, 0, min, max, wxDefaultPosition,
                          CreationSize(sliderWidth), wxSL_HORIZONTAL);
    spinCtrl = new wxSpinCtrl(this, spinId, wxString(), wxDefaultPosition, CreationSize(0),
                              wxSP_ARROW_KEYS | wxTE_PROCESS_ENTER, 0, 100, 0,
                              wxString(L"wxSpinCtrl"));
    spinCtrl->SetRange(min, max);
    // GTK 3 draws its spin control with two buttons and needs more than the
    // 60 pixels the old layout gave it; it keeps its natural size, which GTK
    // takes from the longer of the two ends of its range
    const size_t longestEnd = std::max(wxString::Format(L"%d", min).length(),
                                       wxString::Format(L"%d", max).length());
    spinCtrl->SetInitialSize(NaturalSize(spinCtrl, wxString(longestEnd, L'9')));
    // GTK's spin control raises no line-up/down events to add the rest of a
    // step to; its own increment moves by the whole step, without snapping
    spinCtrl->SetIncrement(step);
    spinCtrl->SetValue(slider->GetValue());

    slider->SetInitialSize(wxSize(sliderWidth, NaturalHeight(slider)));
}

void NumberField::LayoutControls()
{
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    const wxSizerFlags flags = wxSizerFlags(0).CentreVertical();
    sizer->Add(slider, flags);
    sizer->Add(spinCtrl, flags);
    sizer->SetSizeHints(this);
    SetSizer(sizer);
    Layout();
}

// ----------------------------------------------------------------------------
// value
// ----------------------------------------------------------------------------

void NumberField::SetValue(int value)
{
    value = std::clamp(value, spinCtrl->GetMin(), spinCtrl->GetMax());
    spinCtrl->SetValue(value);
    slider->SetValue(value);
}

int NumberField::GetValue() const
{
    return spinCtrl->GetValue();
}

// ----------------------------------------------------------------------------
// handlers: each copies one control into the other and lets the event go on
// ----------------------------------------------------------------------------

void NumberField::OnSliderUpdated(wxCommandEvent& event)
{
    spinCtrl->SetValue(slider->GetValue());
    event.Skip();
}

void NumberField::OnSpinEnter(wxCommandEvent& event)
{
    slider->SetValue(spinCtrl->GetValue());
    event.Skip();
}

void NumberField::OnSpinUpdated(wxSpinEvent& event)
{
    slider->SetValue(spinCtrl->GetValue());
    event.Skip();
}
