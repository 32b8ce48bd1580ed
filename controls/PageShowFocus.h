// GTK selects the whole text of an entry it gives the focus to. When a page
// is shown, the focus moves from the page left to the first field of the new
// one, and one stray key would replace what the field holds. A field given
// this keeps its text unselected then, with the cursor at the start (where a
// path shows its folder). Tab and Shift-Tab within a page, or from the
// tabs, still select, as everywhere.
#pragma once

class wxTextCtrl;

void KeepUnselectedWhenPageShown(wxTextCtrl* field);
