// Controls are sized from one measurement of each kind. Every control of
// every page must still get the size the toolkit itself would give it: its
// fixed width, or wider where its text needs it, and its natural height.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/frame.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "app/myPage.h"
#include "controls/myButton.h"
#include "controls/myCBox.h"
#include "controls/myInput.h"
#include "controls/myLabel.h"
#include "controls/myTCtrl.h"
#include "support/GuiHelpers.h"

// for gtest to print sizes; found by lookup in the global namespace
inline std::ostream& operator<<(std::ostream& out, const wxSize& size)
{
    return out << size.x << "x" << size.y;
}

namespace
{
struct Kind
{
    const char* name;
    std::function<bool(wxWindow*)> is;
    int fixedWidth;    // 0: the natural width
    bool widensForText;
};

template <typename T>
bool Is(wxWindow* window)
{
    return dynamic_cast<T*>(window) != nullptr;
}

const Kind kinds[] = {
    {"caption", Is<myLabel>, 120, true},
    {"button", Is<myButton>, 120, true},
    {"list", Is<myCBox>, 160, true},
    {"text field", Is<myInput>, 160, false},
    {"key field", Is<myTCtrl>, 160, false},
    {"spin control", Is<wxSpinCtrl>, 0, false},
    {"slider", Is<wxSlider>, 100, false},
};

// The size the toolkit gives a new control like this one, measured the
// ordinary way: created at the default size, then given the same font.
wxSize TwinSize(wxWindow* control, wxWindow* scratch)
{
    const wxPoint at = wxDefaultPosition;
    const wxSize unsized = wxDefaultSize;
    const long style = control->GetWindowStyle();
    wxWindow* twin = nullptr;
    if (auto* spin = dynamic_cast<wxSpinCtrl*>(control))
        twin = new wxSpinCtrl(scratch, wxID_ANY, wxString(), at, unsized, style, spin->GetMin(),
                              spin->GetMax(), spin->GetMin());
    else if (auto* list = dynamic_cast<wxComboBox*>(control))
        twin = new wxComboBox(scratch, wxID_ANY, wxString(), at, unsized, list->GetStrings(), style);
    else if (dynamic_cast<wxTextCtrl*>(control))
        twin = new wxTextCtrl(scratch, wxID_ANY, wxString(), at, unsized, style);
    else if (dynamic_cast<wxButton*>(control))
        twin = new wxButton(scratch, wxID_ANY, control->GetLabel(), at, unsized, style);
    else if (dynamic_cast<wxStaticText*>(control))
        twin = new wxStaticText(scratch, wxID_ANY, control->GetLabel(), at, unsized, style);
    else if (dynamic_cast<wxSlider*>(control))
        twin = new wxSlider(scratch, wxID_ANY, 0, 0, 255, at, unsized, style);
    twin->SetFont(control->GetFont());
    const wxSize size = twin->GetBestSize();
    twin->Destroy();
    return size;
}

void ForEachDescendant(wxWindow* parent, const std::function<void(wxWindow*)>& visit)
{
    for (wxWindow* child : parent->GetChildren())
    {
        visit(child);
        ForEachDescendant(child, visit);
    }
}
}

TEST(CommonLook, EveryControlHasTheSizeTheToolkitWouldGiveIt)
{
    FrameInTempDir window;
    wxFrame scratch(nullptr, wxID_ANY, wxString(L"scratch"));
    int checked[WXSIZEOF(kinds)] = {};
    int widened = 0;
    for (myPage* page : window.Frame().GetNotebook()->Pages())
        ForEachDescendant(page, [&](wxWindow* control) {
            const Kind* kind = std::find_if(std::begin(kinds), std::end(kinds),
                                            [&](const Kind& k) { return k.is(control); });
            if (kind == std::end(kinds))
                return;
            const wxSize size = control->GetSize();
            const wxSize natural = TwinSize(control, &scratch);
            int expectedWidth = kind->fixedWidth ? kind->fixedWidth : natural.x;
            if (kind->widensForText)
                expectedWidth = std::max(expectedWidth, natural.x);
            widened += size.x > kind->fixedWidth && kind->widensForText;
            EXPECT_EQ(size, wxSize(expectedWidth, natural.y))
                << size << " " << natural << " "
                << kind->name << " \"" << B(control->GetLabel()) << "\" on page "
                << B(page->GetName());
            ++checked[kind - kinds];
        });
    for (size_t i = 0; i < WXSIZEOF(kinds); ++i)
        EXPECT_GT(checked[i], 0) << kinds[i].name;
    EXPECT_GT(widened, 0) << "no text was wider than its control";
}
