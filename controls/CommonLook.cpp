#include "controls/CommonLook.h"

#include <algorithm>
#include <map>
#include <typeindex>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/window.h>

namespace
{
// what the first control of a kind measured
struct KindMetrics
{
    wxSize natural = wxDefaultSize;
    // The width around its text (border, padding, arrow), or more: a
    // control may have a minimum width that a short text does not reach.
    int frameWidth = -1;
};

// a device context and a control may round the width of a text apart
const int roundingSlack = 4;

KindMetrics& MetricsOf(const wxWindow* window, const wxString& content = wxString())
{
    static std::map<std::pair<std::type_index, wxString>, KindMetrics> kinds;
    return kinds[{std::type_index(typeid(*window)), content}];
}

// one device context measures every text: a window's own would first look
// up its style, which is most of what measuring the window costs
int TextWidth(const wxString& text)
{
    static wxBitmap canvas(1, 1);
    static wxMemoryDC dc(canvas);
    dc.SetFont(CommonFont());
    return dc.GetTextExtent(text).x;
}

// what GTK makes of the control as it is now; the size it was created with
// would otherwise count as a minimum
wxSize MeasureNow(wxWindow* window)
{
    window->SetMinSize(wxDefaultSize);
    window->InvalidateBestSize();
    return window->GetBestSize();
}

int WidestText(const wxArrayString& texts)
{
    int widest = 0;
    for (const wxString& text : texts)
        widest = std::max(widest, TextWidth(text));
    return widest;
}
}

const wxFont& CommonFont()
{
    static const wxFont font(10, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL,
                             false, wxString(), wxFONTENCODING_DEFAULT);
    return font;
}

wxSize CreationSize(int width)
{
    // any full size will do: only a size with a -1 in it is measured
    return wxSize(width, 20);
}

wxSize NaturalSize(wxWindow* window, const wxString& content)
{
    KindMetrics& kind = MetricsOf(window, content);
    if (kind.natural == wxDefaultSize)
        kind.natural = MeasureNow(window);
    return kind.natural;
}

int NaturalHeight(wxWindow* window)
{
    return NaturalSize(window).y;
}

void ApplyCaptionLook(wxWindow* window, const wxString& text)
{
    // The font goes first, while the control still has the style it was
    // created with (no automatic resizing); the border then replaces that
    // style.
    window->SetFont(CommonFont());
    window->SetWindowStyle(wxSIMPLE_BORDER);
    FitTextWidth(window, captionWidth, wxArrayString(1, &text));
}

void ApplyFieldLook(wxWindow* window)
{
    window->SetFont(CommonFont());
    window->SetInitialSize(wxSize(fieldWidth, NaturalHeight(window)));
}

void FitTextWidth(wxWindow* window, int fixedWidth, const wxArrayString& texts)
{
    // Only a control whose text may not fit is measured, and the first of
    // its kind, which tells how much room the others need around a text.
    const int textWidth = WidestText(texts);
    KindMetrics& kind = MetricsOf(window);
    int width = fixedWidth;
    if (kind.frameWidth < 0 || textWidth + kind.frameWidth + roundingSlack > fixedWidth)
    {
        const int natural = MeasureNow(window).x;
        if (kind.frameWidth < 0)
            kind.frameWidth = std::max(0, natural - textWidth);
        width = std::max(fixedWidth, natural);
    }
    window->SetInitialSize(wxSize(width, NaturalHeight(window)));
}
