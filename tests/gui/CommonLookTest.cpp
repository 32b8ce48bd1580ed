// Controls are sized from one measurement of each kind. Every control of
// every page must still get the size the toolkit itself would give it: its
// fixed width, or wider where its text needs it, and its natural height.
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/stattext.h>

#include "app/myNotebook.h"
#include "controls/myButton.h"
#include "controls/myCBox.h"
#include "controls/myInput.h"
#include "controls/myLabel.h"
#include "controls/myTCtrl.h"
#include "support/GuiHelpers.h"

namespace
{
// a control of the same toolkit class made the ordinary way at the default
// size, and the width its kind gets: fixed (0: the natural one), or at least
// that where its text needs more
struct Twin
{
    const char* kind = nullptr;
    wxWindow* window = nullptr;
    int fixedWidth = 0;
    bool widensForText = false;
};

Twin TwinOf(wxWindow* c, wxWindow* s)
{
    const wxPoint at = wxDefaultPosition;
    const wxSize size = wxDefaultSize;
    const long style = c->GetWindowStyle();
    const int any = wxID_ANY;
    if (dynamic_cast<myLabel*>(c))
        return {"caption", new wxStaticText(s, any, c->GetLabel(), at, size, style), 120, true};
    if (dynamic_cast<myButton*>(c))
        return {"button", new wxButton(s, any, c->GetLabel(), at, size, style), 120, true};
    if (auto* list = dynamic_cast<myCBox*>(c))
        return {"list", new wxComboBox(s, any, wxString(), at, size, list->GetStrings(), style), 160, true};
    if (dynamic_cast<myInput*>(c) || dynamic_cast<myTCtrl*>(c))
        return {"text or key field", new wxTextCtrl(s, any, wxString(), at, size, style), 160, false};
    if (auto* spin = dynamic_cast<wxSpinCtrl*>(c))
    {
        auto* twin = new wxSpinCtrl(s, any, wxString(), at, size, style, spin->GetMin(), spin->GetMax());
        return {"spin control", twin, 0, false};
    }
    if (dynamic_cast<wxSlider*>(c))
        return {"slider", new wxSlider(s, any, 0, 0, 255, at, size, style), 100, false};
    return {};
}
}

TEST(CommonLook, EveryControlHasTheSizeTheToolkitWouldGiveIt)
{
    FrameInTempDir window;
    wxFrame scratch(nullptr, wxID_ANY, L"scratch");
    std::set<std::string> kindsSeen;
    int widened = 0;
    for (myPage* page : window.Frame().GetNotebook()->Pages())
    {
        page->Build();
        std::vector<wxWindow*> controls = {page};
        for (size_t i = 0; i < controls.size(); ++i)    // grows with the children of each
        {
            wxWindow* c = controls[i];
            controls.insert(controls.end(), c->GetChildren().begin(), c->GetChildren().end());
            const Twin twin = TwinOf(c, &scratch);
            if (!twin.window)
                continue;
            twin.window->SetFont(c->GetFont());
            const wxSize natural = twin.window->GetBestSize();
            twin.window->Destroy();
            const int fixed = twin.fixedWidth ? twin.fixedWidth : natural.x;
            const int width = twin.widensForText ? std::max(fixed, natural.x) : fixed;
            widened += twin.widensForText && c->GetSize().x > twin.fixedWidth;
            EXPECT_EQ(c->GetSize(), wxSize(width, natural.y)) << twin.kind << ": " << B(c->GetLabel());
            kindsSeen.insert(twin.kind);
        }
    }
    EXPECT_EQ(kindsSeen.size(), 6u);
    EXPECT_GT(widened, 0) << "no text was wider than its control";
}
