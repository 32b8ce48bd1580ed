#include "pages/BoxerPage.h"

BoxerPage::BoxerPage(wxWindow* parent)
    : myPage(parent)
{
}

void BoxerPage::SetDefaults()
{
}

bool BoxerPage::WriteListPath(wxTextOutputStream&)
{
    return true;
}

bool BoxerPage::ReadListPath(wxTextInputStream&)
{
    return true;
}

bool BoxerPage::WriteListFile()
{
    return true;
}

bool BoxerPage::ReadListFile()
{
    return true;
}
