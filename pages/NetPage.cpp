#include "pages/NetPage.h"

NetPage::NetPage(wxWindow* parent, SettingSection& net)
    : SectionPage(parent, net)
{
}
