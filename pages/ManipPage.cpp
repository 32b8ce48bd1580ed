#include "pages/ManipPage.h"

#include "settings/ManipSection.h"

ManipPage::ManipPage(wxWindow* parent, SettingSection& manip)
    : SectionPage(parent, manip, cornerCount, PageLayout::leftAlignedRows)
{
}
