#include "pages/ThinkPage.h"

ThinkPage::ThinkPage(wxWindow* parent)
    : myPage(parent)
{
}

void ThinkPage::SetDefaults()
{
}

bool ThinkPage::WriteListPath(wxTextOutputStream&)
{
    return true;
}

bool ThinkPage::ReadListPath(wxTextInputStream&)
{
    return true;
}

bool ThinkPage::WriteListFile()
{
    return true;
}

bool ThinkPage::ReadListFile()
{
    return true;
}
