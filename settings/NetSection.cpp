#include "settings/NetSection.h"

namespace
{
using namespace NetGroup;

// the CGI server the game's match making and lobby go through by default
const wchar_t defaultCgiHost[] = L"cgi.ringvald.example";

std::vector<SettingGroup> Groups()
{
    return {{_(L"ネット設定"), 0}};
}

// every field is free text: nothing is checked, not even that a port is a number
std::vector<Setting> Settings()
{
    return {
        TextSetting("userName", network, _(L"名前(全角六文字)"), L"user",
                    {L"", L"#Network Config", L"#User Name", L"#Default user"})
            .About(_(L"ネット対戦で相手に見える名前")),
        TextSetting("hostName", network, _(L"ローカルホスト(IP)"), L"localhost",
                    {L"#Host Name", L"#Default localhost"})
            .About(_(L"このコンピューターのホスト名かIPアドレス")),
        TextSetting("cgiHost", network, _(L"CGIホスト"), defaultCgiHost,
                    {L"#CGI Host Name", wxString(L"#Default ") + defaultCgiHost})
            .About(_(L"マッチメイクとロビーのCGIがあるサーバー")),
        TextSetting("matchMakeCgi", network, _(L"CGI(マッチメイク)"), L"/Korvane/matchmake.cgi",
                    {L"#Match Make CGI", L"#Default /Korvane/matchmake.cgi"})
            .About(_(L"マッチメイクのCGIのパス")),
        TextSetting("lobbyCgi", network, _(L"CGI(ロビー)"), L"/Korvane/lobby.cgi",
                    {L"#Lobby CGI", L"#Default /Korvane/lobby.cgi"})
            .About(_(L"ロビーのCGIのパス")),
        TextSetting("tcpPort", network, _(L"ポート"), L"2000", {L"#Port(TCP)", L"#Default 2000"})
            .About(_(L"対戦に使うTCPのポート番号")),
        TextSetting("udpPort", network, _(L"ポート(ロビー)"), L"3000", {L"#Port(UDP)", L"#Default 3000"})
            .About(_(L"ロビーに使うUDPのポート番号")),
        ChoiceSetting("lobbyMode", network, _(L"ロビーモード"), {_(L"ローカル"), L"CGI"}, 1,
                      {L"#Lobby Mode  0 : Local  1 : CGI", L"#Default 1"})
            .About(_(L"ロビーをこのコンピューターで開くか、CGIを使うか")),
    };
}
}

SettingSection NetSection()
{
    return SettingSection(Groups(), Settings());
}
