#include "pages/ControlPage.h"

ControlPage::ControlPage(wxWindow* parent)
    : myPage(parent)
{
}

void ControlPage::SetDefaults()
{
}

bool ControlPage::WriteSection(wxTextOutputStream&)
{
    return true;
}

bool ControlPage::ReadSection(wxTextInputStream&)
{
    return true;
}
