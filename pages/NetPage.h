// The second tab: the user name, hosts, CGI paths, ports and lobby mode;
// the "#Network Config" section of config.txt.
#pragma once

#include "app/SettingTable.h"
#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class NetPage : public myPage
{
public:
    // rows of the settings table, in the order of the value lines
    enum Row
    {
        userNameRow,
        hostNameRow,
        cgiHostRow,
        matchMakeCgiRow,
        lobbyCgiRow,
        tcpPortRow,
        udpPortRow,
        lobbyModeRow,
        rowCount
    };

    explicit NetPage(wxWindow* parent);

    void SetDefaults() override;
    bool WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);

    SettingTable& Settings() { return settings; }

private:
    SettingTable settings;
};
