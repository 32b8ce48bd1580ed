#include "controls/NumberField.h"

#include <algorithm>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/textctrl.h>

#include "controls/GtkAccess.h"

namespace
{
enum
{
    sliderId = 0,
    spinId = 1
};
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
    // Created at 0 straight into its range, the slider clamps 0 as it would
    // if given the range afterwards; setting a range costs a full update.
    slider = new wxSlider(this, sliderId, 0, min, max, wxDefaultPosition, wxDefaultSize,
                          wxSL_HORIZONTAL);
    // the spin control is as wide as the longer end of its range needs
    spinCtrl = new wxSpinCtrl(this, spinId, wxString(), wxDefaultPosition, wxDefaultSize,
                              wxSP_ARROW_KEYS | wxTE_PROCESS_ENTER, min, max, slider->GetValue(),
                              wxString(L"wxSpinCtrl"));
    // GTK's spin control raises no line-up/down events to add the rest of a
    // step to; its own increment moves by the whole step, without snapping
    spinCtrl->SetIncrement(step);
}

void NumberField::SetCaption(const wxString& caption)
{
    SetAccessibleName(slider, caption);
    SetAccessibleName(spinCtrl, caption);
}

void NumberField::LayoutControls()
{
    // the slider takes whatever width the page gives the field
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(slider, wxSizerFlags(1).CentreVertical());
    sizer->Add(spinCtrl, wxSizerFlags(0).CentreVertical());
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
