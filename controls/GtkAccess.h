// What the toolkit does not offer on GTK 3, done on a control's native
// widgets: what a screen reader says for it (its accessible name and
// description, set through ATK), and a warning symbol inside a text field.
// These are the program's only direct GTK and ATK calls.
//
// A wx control may be several GTK widgets (a drop-down is a box with an
// entry, a slider a box with a scale); the name and description go to the
// control's own widget and to each of its widgets that can take the focus,
// since that is the one a screen reader announces.
#pragma once

#include <wx/intl.h>
#include <wx/string.h>

class wxWindow;

void SetAccessibleName(wxWindow* control, const wxString& name);
void SetAccessibleDescription(wxWindow* control, const wxString& description);

// what a screen reader is told when the control takes the focus
wxString AccessibleName(wxWindow* control);
wxString AccessibleDescription(wxWindow* control);

// a warning symbol at the end of a single-line text field, with the reason
// as its tooltip; an empty reason takes it away
void ShowWarningSymbol(wxWindow* textField, const wxString& reason);

// the direction GTK lays its widgets out in, as it chose it at start-up
// from the user's language
wxLayoutDirection ToolkitLayoutDirection();
