#include "controls/FieldMark.h"

#include <algorithm>
#include <cmath>
#include <wx/settings.h>
#include <wx/window.h>

#include "controls/GtkAccess.h"

namespace
{
const wxColour amber(255, 176, 0);
const double readable = 4.5;
// how far the tint goes towards amber at most, and by how much less each
// time the text would not read on it
const double strongestTint = 0.5, tintStep = 0.05;

double Linear(unsigned char channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const wxColour& colour)
{
    return 0.2126 * Linear(colour.Red()) + 0.7152 * Linear(colour.Green()) + 0.0722 * Linear(colour.Blue());
}

wxColour Mix(const wxColour& from, const wxColour& to, double share)
{
    const auto channel = [share](unsigned char a, unsigned char b) {
        return static_cast<unsigned char>(std::lround(a + (b - a) * share));
    };
    return wxColour(channel(from.Red(), to.Red()), channel(from.Green(), to.Green()),
                    channel(from.Blue(), to.Blue()));
}
}

double ContrastRatio(const wxColour& a, const wxColour& b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

wxColour MarkColour()
{
    const wxColour field = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW);
    const wxColour text = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
    for (double share = strongestTint; share > 0; share -= tintStep)
    {
        const wxColour tint = Mix(field, amber, share);
        if (ContrastRatio(tint, text) >= readable)
            return tint;
    }
    return field;    // a theme whose own text barely reads: the symbol still marks
}

// A screen reader takes an unmarked field's description from its tooltip;
// a field neither marked nor marked before is left as it is, since each
// change of its look costs GTK a new style (a page of paths shows quicker).
void ShowFieldMark(wxWindow* textField, const wxString& help, const wxString& reason)
{
    const wxString tip = reason.empty() ? help : help.empty() ? reason : help + L"\n" + reason;
    textField->SetToolTip(tip);
    const bool markedBefore = textField->UseBackgroundColour();
    if (reason.empty() && !markedBefore)
        return;
    textField->SetBackgroundColour(reason.empty() ? wxNullColour : MarkColour());
    SetAccessibleDescription(textField, tip);
    ShowWarningSymbol(textField, reason);
    textField->Refresh();
}
