// The second section of config.txt ("#Network Config"): the user name, the
// hosts, CGI paths and ports of network play. Every field is free text.
#pragma once

#include "settings/SettingSection.h"

namespace NetGroup
{
enum
{
    network
};
}

SettingSection NetSection();
