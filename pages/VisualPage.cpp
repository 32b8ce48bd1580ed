#include "pages/VisualPage.h"

VisualPage::VisualPage(wxWindow* parent)
    : myPage(parent)
{
}

void VisualPage::SetDefaults()
{
}

bool VisualPage::WriteImageListPath(wxTextOutputStream&)
{
    return true;
}

bool VisualPage::ReadImageListPath(wxTextInputStream&)
{
    return true;
}

bool VisualPage::WriteImageListFile()
{
    return true;
}

bool VisualPage::ReadImageListFile()
{
    return true;
}

bool VisualPage::WriteFontListPath(wxTextOutputStream&)
{
    return true;
}

bool VisualPage::ReadFontListPath(wxTextInputStream&)
{
    return true;
}

bool VisualPage::WriteFontListFile()
{
    return true;
}

bool VisualPage::ReadFontListFile()
{
    return true;
}
