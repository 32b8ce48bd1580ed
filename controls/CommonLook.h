// The look every small control of the pages shares: a 10-point font and
// fixed widths. One font object serves all of them.
#pragma once

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/arrstr.h>

class wxWindow;

const wxFont& CommonFont();

// Labels and buttons are 120 pixels wide; drop-down lists, sliders, file
// selectors and text fields 160. The height is the toolkit's natural one:
// GTK 3 cannot draw an entry or a combo box 20 pixels high, and forcing it
// only clips them. A caption or a list whose text would not fit (GTK 3
// draws wider than the old toolkit) grows instead of being cut.
const int captionWidth = 120;
const int fieldWidth = 160;

// Asking GTK for a control's natural size costs more than creating the
// control, and the controls of one kind (one class) differ only in their
// text. So each kind is measured once, on its first control, and the others
// are sized from that. A control created with CreationSize() is not
// measured by the toolkit; NaturalSize, NaturalHeight or the look functions
// then give it its real size. Where something other than the text sets the
// size (the range of a spin control), NaturalSize takes it as the content
// and measures once for each.
wxSize CreationSize(int width);
wxSize NaturalSize(wxWindow* window, const wxString& content = wxString());
int NaturalHeight(wxWindow* window);

// a simple border, the common font and the caption width (wider where the
// text needs it)
void ApplyCaptionLook(wxWindow* window, const wxString& text);

// the common font, the field width and the natural height
void ApplyFieldLook(wxWindow* window);

// the fixed width, or the width the widest text needs where that is more
void FitTextWidth(wxWindow* window, int fixedWidth, const wxArrayString& texts);
