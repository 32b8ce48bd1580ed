// The mark of a field whose value needs a look (a file that is not there, a
// key bound twice): a background tinted from the theme's own field colours,
// a warning symbol in the field, and the reason after the field's help in
// its tooltip and in what a screen reader says about it.
#pragma once

#include <wx/colour.h>
#include <wx/string.h>

class wxWindow;

// an empty reason takes the mark away and leaves the help alone
void ShowFieldMark(wxWindow* textField, const wxString& help, const wxString& reason);

// The tint: the theme's field background moved towards amber as far as the
// theme's text keeps a contrast of at least 4.5 : 1 on it.
wxColour MarkColour();

// the contrast ratio of two colours, from 1 (the same) to 21 (black on white)
double ContrastRatio(const wxColour& a, const wxColour& b);
