#include "pages/ManipPage.h"

ManipPage::ManipPage(wxWindow* parent, SettingSection& manip)
    : SectionPage(parent, manip)
{
}
