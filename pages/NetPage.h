// The second tab: the user name, hosts, CGI paths and ports of network play
// (the "#Network Config" section).
#pragma once

#include "pages/SectionPage.h"

class NetPage : public SectionPage
{
public:
    NetPage(wxWindow* parent, SettingSection& net);
};
