#include "pages/ControlPage.h"

ControlPage::ControlPage(wxWindow* parent, SettingSection& control)
    : SectionPage(parent, control, 2)
{
}
