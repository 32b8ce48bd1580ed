#include "controls/PageShowFocus.h"

#include <wx/bookctrl.h>
#include <wx/textctrl.h>

namespace
{
// the notebook page a window is on, or nullptr
const wxWindow* PageOf(const wxWindow* window)
{
    for (; window && window->GetParent(); window = window->GetParent())
        if (dynamic_cast<const wxBookCtrlBase*>(window->GetParent()))
            return window;
    return nullptr;
}
}

void KeepUnselectedWhenPageShown(wxTextCtrl* field)
{
    // focus events stay with the window that gets them: a parent's event
    // table never sees them
    field->Bind(wxEVT_SET_FOCUS, [field](wxFocusEvent& event) {
        const wxWindow* pageLeft = PageOf(event.GetWindow());
        if (pageLeft && pageLeft != PageOf(field))
            field->CallAfter([field] { field->SetInsertionPoint(0); });    // after GTK selects
        event.Skip();
    });
}
