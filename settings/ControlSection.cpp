#include "settings/ControlSection.h"

#include "settings/Translated.h"

namespace
{
using namespace ControlGroup;

std::vector<SettingGroup> Groups()
{
    return {
        {_(L"操作モード"), 0}, {_(L"機器設定"), 0}, {L"1P Player1", 0}, {L"2P Player1", 1}, {L"2P Player2", 1},
    };
}

std::vector<wxString> ControlModes()
{
    return {_(L"フルコントロール"), _(L"セミオート"), _(L"オート")};
}

// the mouse player is stored as 1 or 2, not as its index
int PlayerNumber(int index) { return index + 1; }
int PlayerIndex(int number) { return number - 1; }

// one key of a set: its caption on the page and its name in the comments
struct KeyRole
{
    const wchar_t* caption;
    const wchar_t* comment;
};

const KeyRole keyRoles[keysPerSet] = {
    {wxTRANSLATE(L"左攻撃"), L"Left Offense"}, {wxTRANSLATE(L"右攻撃"), L"Right Offense"}, {wxTRANSLATE(L"防御"), L"Defense"},
    {wxTRANSLATE(L"前移動"), L"Forward"},      {wxTRANSLATE(L"後移動"), L"Back"},           {wxTRANSLATE(L"右移動"), L"Right"},
    {wxTRANSLATE(L"左移動"), L"Left"},
};

wxString DefaultComment(const wxString& key)
{
    return wxString(L"#Default \"") + key + L"\"";
}

// the seven keys of one set, in the order of the roles
void AddKeySet(std::vector<Setting>& settings, int set, const wxString& title,
               const wxString (&defaults)[keysPerSet])
{
    for (int i = 0; i < keysPerSet; ++i)
    {
        std::vector<wxString> comments;
        if (i == 0)
            comments.push_back(wxString(L"#For ") + title);
        comments.push_back(wxString::Format(L"#%s %s", title, keyRoles[i].comment));
        comments.push_back(DefaultComment(defaults[i]));
        settings.push_back(
            KeySetting(KeySettingName(set, i), set1P1 + set, _(keyRoles[i].caption), defaults[i],
                       comments)
                .About(wxString::Format(_(L"%sの%sに使うキー"), title, _(keyRoles[i].caption))));
    }
}

std::vector<Setting> Settings()
{
    const wxString goNextDefault = L"space";
    std::vector<Setting> settings = {
        ChoiceSetting("modeP1", modes, _(L"Player1操作モード"), ControlModes(), 0,
                      {L"", L"#Control Config",
                       L"#Player1 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic",
                       L"#Default 0"})
            .About(_(L"Player1をどこまで自分で操作するか")),
        ChoiceSetting("modeP2", modes, _(L"Player2操作モード"), ControlModes(), 0,
                      {L"#Player2 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic",
                       L"#Default 0"})
            .About(_(L"Player2をどこまで自分で操作するか")),
        ChoiceSetting("mousePlayer", devices, _(L"マウス使用"), {L"Player1", L"Player2"}, 0,
                      {L"#Use Mouse  1 : Player1  2 : Player2", L"#Default 1"})
            .About(_(L"マウスで操作するプレイヤー"))
            .Stored(PlayerNumber, PlayerIndex),
        KeySetting("goNextKey", devices, _(L"決定キー"), goNextDefault,
                   {L"#For Go Next", DefaultComment(goNextDefault)})
            .About(_(L"画面を先に進めるキー")),
    };
    const wxString keys1P1[keysPerSet] = {L"z", L"x", L"c", L"right", L"left", L"down", L"up"};
    const wxString keys2P1[keysPerSet] = {L"z", L"x", L"c", L"m", L"b", L"n", L"h"};
    const wxString keys2P2[keysPerSet] = {L".", L"/", L"\\", L"[4]", L"[6]", L"[8]", L"[2]"};
    AddKeySet(settings, 0, L"1P Player1", keys1P1);
    AddKeySet(settings, 1, L"2P Player1", keys2P1);
    AddKeySet(settings, 2, L"2P Player2", keys2P2);
    return settings;
}
}

SettingSection ControlSection()
{
    return SettingSection(Groups(), Settings());
}

std::string KeySettingName(int set, int role)
{
    return "key" + std::to_string(set) + "." + std::to_string(role);
}
