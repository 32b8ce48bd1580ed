#include "pages/NetPage.h"

NetPage::NetPage(wxWindow* parent)
    : myPage(parent)
{
}

void NetPage::SetDefaults()
{
}

bool NetPage::WriteSection(wxTextOutputStream&)
{
    return true;
}

bool NetPage::ReadSection(wxTextInputStream&)
{
    return true;
}
