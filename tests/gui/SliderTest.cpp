// mySlider: the slider and the spin control always show the same value;
// an arrow step of the spin control moves by the step given.
#include <functional>
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/uiaction.h>

#include "controls/mySlider.h"
#include "support/GuiHelpers.h"

namespace
{
class SliderTest : public testing::Test
{
protected:
    ~SliderTest() override
    {
        frame->Destroy();
        Pump(10);
    }

    // a mySlider alone in a shown window, with its two controls found
    mySlider* Make(int min, int max, int step)
    {
        auto* control = new mySlider(frame, min, max, step);
        frame->Show();
        for (wxWindow* child : control->GetChildren())
        {
            if (auto* s = dynamic_cast<wxSlider*>(child))
                slider = s;
            if (auto* s = dynamic_cast<wxSpinCtrl*>(child))
                spin = s;
        }
        EXPECT_NE(slider, nullptr);
        EXPECT_NE(spin, nullptr);
        Pump(100);
        return control;
    }

    // what a user types in the spin control; Up and Down are the arrows
    void InSpin(const std::function<void(wxUIActionSimulator&)>& keys)
    {
        frame->Raise();
        spin->SetFocus();
        Pump(50);
        wxUIActionSimulator sim;
        keys(sim);
        Pump(100);
    }

    void ExpectShown(mySlider* control, int value)
    {
        EXPECT_EQ(spin->GetValue(), value);
        EXPECT_EQ(slider->GetValue(), value);
        EXPECT_EQ(control->GetValue(), value);
    }

    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, wxString(L"slider"));
    wxSlider* slider = nullptr;
    wxSpinCtrl* spin = nullptr;
};
}

// SetValue holds a value beyond the range at its nearer end too
TEST_F(SliderTest, SetValueAndAnArrowStepMoveBothControlsAndHoldAtTheEnds)
{
    const struct
    {
        int min, max, step, set, shown, key, shownAfterKey;
    } cases[] = {
        {10, 600, 30, 70, 70, WXK_UP, 100},    {10, 600, 30, 70, 70, WXK_DOWN, 40},
        {10, 600, 30, 590, 590, WXK_UP, 600},  {10, 600, 30, 20, 20, WXK_DOWN, 10},
        {1, 5, 1, 3, 3, WXK_UP, 4},            {1, 5, 1, 3, 3, WXK_DOWN, 2},
        {-8, 128, 8, 500, 128, WXK_DOWN, 120}, {-8, 128, 8, -9, -8, WXK_UP, 0},
        {-8, 128, 8, 129, 128, WXK_UP, 128},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.set) + " step " + std::to_string(c.step));
        mySlider* control = Make(c.min, c.max, c.step);
        control->SetValue(c.set);
        ExpectShown(control, c.shown);
        InSpin([&](wxUIActionSimulator& sim) { sim.Char(c.key); });
        ExpectShown(control, c.shownAfterKey);
        control->Destroy();
    }
}

// a dragged slider's value is copied unrounded to the step
TEST_F(SliderTest, EachControlFollowsTheOtherDraggedOrTyped)
{
    mySlider* control = Make(10, 600, 30);
    control->SetValue(70);
    slider->SetValue(37);
    wxCommandEvent dragged(wxEVT_SLIDER, slider->GetId());
    dragged.SetEventObject(slider);
    dragged.SetInt(37);
    slider->ProcessWindowEvent(dragged);
    ExpectShown(control, 37);

    InSpin([](wxUIActionSimulator& sim) {
        sim.Char('a', wxMOD_CONTROL);    // select what is there
        sim.Text("55");
        sim.Char(WXK_RETURN);
    });
    ExpectShown(control, 55);
}
