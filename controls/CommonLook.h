// The look every small control of the pages shares: a 10-point font and
// fixed sizes. One font object serves all of them.
#pragma once

#include <wx/font.h>
#include <wx/gdicmn.h>

class wxWindow;

const wxFont& CommonFont();

// Labels and buttons are 120 pixels wide; drop-down lists, sliders, file
// selectors and text fields 160. The height is the toolkit's natural one
// (-1): GTK 3 cannot draw an entry or a combo box 20 pixels high, and
// forcing it only clips them. A caption or a list whose text would not fit
// (GTK 3 draws wider than the old toolkit) grows instead of being cut.
const wxSize captionSize(120, -1);
const wxSize fieldSize(160, -1);

// a simple border, the common font and the caption width
void ApplyCaptionLook(wxWindow* window);

// the common font and the field width
void ApplyFieldLook(wxWindow* window);

// widens a window to its text where the fixed width would cut it
void FitTextWidth(wxWindow* window, const wxSize& fixed);
