#include "pages/ManipPage.h"

ManipPage::ManipPage(wxWindow* parent)
    : myPage(parent)
{
}

void ManipPage::SetDefaults()
{
}

bool ManipPage::WriteSection(wxTextOutputStream&)
{
    return true;
}

bool ManipPage::ReadSection(wxTextInputStream&)
{
    return true;
}
