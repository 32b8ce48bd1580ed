// The second tab: the user name, hosts, CGI paths, ports and lobby mode;
// the "#Network Config" section of config.txt.
#pragma once

#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class NetPage : public myPage
{
public:
    explicit NetPage(wxWindow* parent);

    void SetDefaults() override;
    bool WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);
};
