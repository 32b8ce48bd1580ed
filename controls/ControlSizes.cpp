#include "controls/ControlSizes.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <wx/button.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "controls/ChoiceField.h"
#include "controls/PathField.h"
#include "settings/Setting.h"

namespace
{
const wchar_t wideSample[] = L"国";
// a label long enough that a control is wider than its least width
const wchar_t labelSample[] = L"国国国国国国";
// a device context and a control may round the width of a text apart
const int roundingSlack = 1;
const wchar_t narrowSample[] = L"abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789";

// a control measured and gone
template <class Control, class... Arguments> wxSize Measured(Arguments&&... arguments)
{
    auto* control = new Control(std::forward<Arguments>(arguments)...);
    const wxSize size = control->GetBestSize();
    control->Destroy();
    return size;
}
}

ControlSizes::ControlSizes(wxWindow* page)
{
    int height = 0;
    page->GetTextExtent(wideSample, nullptr, &height);
    wideChar = page->GetTextExtent(wideSample).x;
    narrowChar = static_cast<double>(page->GetTextExtent(narrowSample).x) / wxStrlen(narrowSample);
    lineHeight = height;

    const wxString label(labelSample);
    const wxSize labelText(TextWidth(label), 0);
    buttonFrame = Measured<wxButton>(page, wxID_ANY, label) - labelText;
    choiceFrame = Measured<ChoiceField>(page, wxArrayString(1, &label)) - labelText;
    spinFrame = Measured<wxSpinCtrl>(page, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
                                     wxSP_ARROW_KEYS, 0, 9, 0) -
                wxSize(TextWidth(L"9"), 0);
    slider = Measured<wxSlider>(page, wxID_ANY, 0, 0, 9);
    path = Measured<PathField>(page, wxString());
    text = Measured<wxTextCtrl>(page, wxID_ANY, wxString());

    auto* box = new wxStaticBox(page, wxID_ANY, label);
    box->GetBordersForSizer(&boxTop, &boxSide);
    box->Destroy();
}

int ControlSizes::TextWidth(const wxString& text) const
{
    double width = 0;
    for (wxUniChar c : text)
        width += c.IsAscii() ? narrowChar : wideChar;
    return static_cast<int>(std::ceil(width)) + roundingSlack;
}

wxSize ControlSizes::Caption(const wxString& text) const
{
    return wxSize(TextWidth(text), lineHeight);
}

wxSize ControlSizes::CaptionButton(const wxString& label) const
{
    return buttonFrame + wxSize(TextWidth(label), 0);
}

wxSize ControlSizes::Choice(const std::vector<wxString>& choices) const
{
    int widest = 0;
    for (const wxString& choice : choices)
        widest = std::max(widest, TextWidth(choice));
    return choiceFrame + wxSize(widest, 0);
}

wxSize ControlSizes::Of(const Setting& setting) const
{
    switch (setting.kind)
    {
    case Setting::choice:
        return Choice(setting.choices);
    case Setting::number:
        return Number(setting.min, setting.max);
    default:
        return text;
    }
}

wxSize ControlSizes::Number(int min, int max) const
{
    const size_t digits = std::max(wxString::Format(L"%d", min).length(), wxString::Format(L"%d", max).length());
    const wxSize spin = spinFrame + wxSize(TextWidth(wxString(digits, L'9')), 0);
    return wxSize(slider.x + spin.x, std::max(slider.y, spin.y));
}
