// mySlider: the slider and the spin control always show the same value;
// an arrow step of the spin control moves by the step given.
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

    // what a user presses in the spin control; Up and Down are the arrows
    void PressKeyInSpin(int key)
    {
        frame->Raise();
        spin->SetFocus();
        Pump(50);
        wxUIActionSimulator sim;
        sim.Char(key);
        Pump(100);
    }

    void TypeInSpin(const char* text)
    {
        frame->Raise();
        spin->SetFocus();
        Pump(50);
        wxUIActionSimulator sim;
        sim.Char('a', wxMOD_CONTROL);    // select what is there
        sim.Text(text);
        sim.Char(WXK_RETURN);
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

TEST_F(SliderTest, AnArrowStepMovesBothControlsByTheStep)
{
    mySlider* control = Make(10, 600, 30);
    control->SetValue(70);
    ExpectShown(control, 70);

    PressKeyInSpin(WXK_UP);
    ExpectShown(control, 100);
    PressKeyInSpin(WXK_DOWN);
    ExpectShown(control, 70);
}

TEST_F(SliderTest, AStepPastAnEndHoldsTheEnd)
{
    mySlider* control = Make(10, 600, 30);
    control->SetValue(590);
    PressKeyInSpin(WXK_UP);
    ExpectShown(control, 600);

    control->SetValue(20);
    PressKeyInSpin(WXK_DOWN);
    ExpectShown(control, 10);
}

TEST_F(SliderTest, WithStepOneAnArrowMovesByOne)
{
    mySlider* control = Make(1, 5, 1);
    control->SetValue(3);
    PressKeyInSpin(WXK_UP);
    ExpectShown(control, 4);
    PressKeyInSpin(WXK_DOWN);
    PressKeyInSpin(WXK_DOWN);
    ExpectShown(control, 2);
}

TEST_F(SliderTest, DraggingTheSliderCopiesItsValueUnrounded)
{
    mySlider* control = Make(10, 600, 30);
    control->SetValue(70);

    slider->SetValue(37);
    wxCommandEvent dragged(wxEVT_SLIDER, slider->GetId());
    dragged.SetEventObject(slider);
    dragged.SetInt(37);
    slider->ProcessWindowEvent(dragged);
    ExpectShown(control, 37);
}

TEST_F(SliderTest, ANumberTypedAndEnteredMovesTheSlider)
{
    mySlider* control = Make(10, 600, 30);
    control->SetValue(70);
    TypeInSpin("55");
    ExpectShown(control, 55);
}

TEST_F(SliderTest, SetValueShowsTheValueInBothControls)
{
    mySlider* control = Make(-8, 128, 8);
    control->SetValue(-8);
    ExpectShown(control, -8);
    control->SetValue(64);
    ExpectShown(control, 64);
}

TEST_F(SliderTest, SetValueBeyondAnEndHoldsThatEnd)
{
    mySlider* control = Make(-8, 128, 8);
    control->SetValue(500);
    ExpectShown(control, 128);
    control->SetValue(-9);
    ExpectShown(control, -8);
    control->SetValue(129);
    ExpectShown(control, 128);
}
