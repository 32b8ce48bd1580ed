// mySlider: the slider and the spin control always show the same value;
// an arrow step of the spin control moves by the step given.
#include <gtest/gtest.h>
#include <wx/frame.h>
#include <wx/slider.h>
#include <wx/spinctrl.h>
#include <wx/windowptr.h>

#include "controls/mySlider.h"
#include "support/GuiHelpers.h"

namespace
{
// a mySlider alone in a shown window; what its three parts show
struct SliderInFrame : wxFrame
{
    SliderInFrame(int min, int max, int step)
        : wxFrame(nullptr, wxID_ANY, L"slider"), control(new mySlider(this, min, max, step))
    {
        Show();
        Pump(100);
    }
    wxSlider* Slider() { return ChildOf<wxSlider>(control); }
    wxSpinCtrl* Spin() { return ChildOf<wxSpinCtrl>(control); }
    std::vector<int> Shown() { return {Spin()->GetValue(), Slider()->GetValue(), control->GetValue()}; }

    mySlider* control;
};
using V = std::vector<int>;
}

// SetValue holds a value beyond the range at its nearer end too
TEST(Slider, SetValueAndAnArrowStepMoveBothControlsAndHoldAtTheEnds)
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
        const wxWindowPtr<SliderInFrame> s(new SliderInFrame(c.min, c.max, c.step));
        s->control->SetValue(c.set);
        EXPECT_EQ(s->Shown(), V(3, c.shown));
        PressKeys(s->Spin(), [&](wxUIActionSimulator& sim) { sim.Char(c.key); });
        EXPECT_EQ(s->Shown(), V(3, c.shownAfterKey));
    }
}

// a dragged slider's value is copied unrounded to the step
TEST(Slider, EachControlFollowsTheOtherDraggedOrTyped)
{
    const wxWindowPtr<SliderInFrame> s(new SliderInFrame(10, 600, 30));
    s->control->SetValue(70);
    s->Slider()->SetValue(37);
    wxCommandEvent dragged(wxEVT_SLIDER, s->Slider()->GetId());
    dragged.SetEventObject(s->Slider());
    dragged.SetInt(37);
    s->Slider()->ProcessWindowEvent(dragged);
    EXPECT_EQ(s->Shown(), V(3, 37));

    PressKeys(s->Spin(), [](wxUIActionSimulator& sim) {
        sim.Char('a', wxMOD_CONTROL);    // select what is there
        sim.Text("55");
        sim.Char(WXK_RETURN);
    });
    EXPECT_EQ(s->Shown(), V(3, 55));
}
