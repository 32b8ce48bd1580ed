#include "controls/CommonLook.h"

#include <algorithm>
#include <wx/window.h>

const wxFont& CommonFont()
{
    static const wxFont font(10, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL,
                             false, wxString(), wxFONTENCODING_DEFAULT);
    return font;
}

void ApplyCaptionLook(wxWindow* window)
{
    // the border replaces the alignment style the control was created with
    window->SetWindowStyle(wxSIMPLE_BORDER);
    window->SetFont(CommonFont());
    FitTextWidth(window, captionSize);
}

void ApplyFieldLook(wxWindow* window)
{
    window->SetFont(CommonFont());
    window->SetInitialSize(fieldSize);
}

void FitTextWidth(wxWindow* window, const wxSize& fixed)
{
    window->SetMinSize(wxDefaultSize);
    window->InvalidateBestSize();
    const int natural = window->GetBestSize().x;
    window->SetInitialSize(wxSize(std::max(fixed.x, natural), fixed.y));
}
