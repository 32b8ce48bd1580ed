#include "pages/NetPage.h"

namespace
{
// ----------------------------------------------------------------------------
// the settings, in the order of their value lines
// ----------------------------------------------------------------------------

// the CGI server the game's match making and lobby go through by default
const wchar_t defaultCgiHost[] = L"cgi.ringvald.example";

enum Group
{
    network
};

std::vector<SettingGroup> Groups()
{
    return {{L"ネット設定", 0}};
}

// every field is free text: nothing is checked, not even that a port is a number
std::vector<Setting> Settings()
{
    return {
        TextSetting(network, L"名前(全角六文字)", L"user",
                    {L"", L"#Network Config", L"#User Name", L"#Default user"}),
        TextSetting(network, L"ローカルホスト(IP)", L"localhost",
                    {L"#Host Name", L"#Default localhost"}),
        TextSetting(network, L"CGIホスト", defaultCgiHost,
                    {L"#CGI Host Name", wxString(L"#Default ") + defaultCgiHost}),
        TextSetting(network, L"CGI(マッチメイク)", L"/Korvane/matchmake.cgi",
                    {L"#Match Make CGI", L"#Default /Korvane/matchmake.cgi"}),
        TextSetting(network, L"CGI(ロビー)", L"/Korvane/lobby.cgi",
                    {L"#Lobby CGI", L"#Default /Korvane/lobby.cgi"}),
        TextSetting(network, L"ポート", L"2000", {L"#Port(TCP)", L"#Default 2000"}),
        TextSetting(network, L"ポート(ロビー)", L"3000", {L"#Port(UDP)", L"#Default 3000"}),
        ChoiceSetting(network, L"ロビーモード", {L"ローカル", L"CGI"}, 1,
                      {L"#Lobby Mode  0 : Local  1 : CGI", L"#Default 1"}),
    };
}
}

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

NetPage::NetPage(wxWindow* parent)
    : myPage(parent), settings(Groups(), ::Settings())
{
    settings.CreateControls(this);
    PageLayout layout(this, 1);
    settings.LayoutControls(layout);
    layout.Finish();
}

// ----------------------------------------------------------------------------
// page contract
// ----------------------------------------------------------------------------

void NetPage::SetDefaults()
{
    settings.SetDefaults();
}

bool NetPage::WriteSection(wxTextOutputStream& out)
{
    settings.WriteSection(out);
    return true;
}

bool NetPage::ReadSection(wxTextInputStream& in)
{
    settings.ReadSection(in);
    return true;    // every value is accepted
}
