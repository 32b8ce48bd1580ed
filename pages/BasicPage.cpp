#include "pages/BasicPage.h"

#include "settings/BasicSection.h"

BasicPage::BasicPage(wxWindow* parent, SettingSection& basic)
    : SectionPage(parent, basic,
                  {BasicGroup::screen, BasicGroup::accuracy, BasicGroup::language, BasicGroup::sound,
                   BasicGroup::volume, BasicGroup::camera, BasicGroup::other})
{
}
