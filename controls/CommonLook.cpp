#include "controls/CommonLook.h"

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
    window->SetInitialSize(captionSize);
}

void ApplyFieldLook(wxWindow* window)
{
    window->SetFont(CommonFont());
    window->SetInitialSize(fieldSize);
}
