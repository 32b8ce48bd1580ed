#include "pages/ControlPage.h"

namespace
{
// ----------------------------------------------------------------------------
// the settings, in the order of their value lines
// ----------------------------------------------------------------------------

enum Group
{
    modes,
    devices,
    set1P1,
    set2P1,
    set2P2
};

std::vector<SettingGroup> Groups()
{
    return {
        {L"操作モード", 0}, {L"機器設定", 0}, {L"1P Player1", 0}, {L"2P Player1", 1}, {L"2P Player2", 1},
    };
}

const std::vector<wxString> controlModes = {L"フルコントロール", L"セミオート", L"オート"};

// the mouse player is stored as 1 or 2, not as its index
int PlayerNumber(int index) { return index + 1; }
int PlayerIndex(int number) { return number - 1; }

// one key of a set: its caption on the page and its name in the comments
struct KeyRole
{
    const wchar_t* caption;
    const wchar_t* comment;
};

const KeyRole keyRoles[7] = {
    {L"左攻撃", L"Left Offense"}, {L"右攻撃", L"Right Offense"}, {L"防御", L"Defense"},
    {L"前移動", L"Forward"},      {L"後移動", L"Back"},           {L"右移動", L"Right"},
    {L"左移動", L"Left"},
};

wxString DefaultComment(const wxString& key)
{
    return wxString(L"#Default \"") + key + L"\"";
}

// the seven keys of one set, in the order of the roles
void AddKeySet(std::vector<Setting>& settings, Group group, const wxString& title,
               const wxString (&defaults)[7])
{
    for (int i = 0; i < 7; ++i)
    {
        std::vector<wxString> comments;
        if (i == 0)
            comments.push_back(wxString(L"#For ") + title);
        comments.push_back(wxString::Format(L"#%s %s", title, keyRoles[i].comment));
        comments.push_back(DefaultComment(defaults[i]));
        settings.push_back(KeySetting(group, keyRoles[i].caption, defaults[i], comments));
    }
}

std::vector<Setting> Settings()
{
    const wxString goNextDefault = L"space";
    std::vector<Setting> settings = {
        ChoiceSetting(modes, L"Player1操作モード", controlModes, 0,
                      {L"", L"#Control Config",
                       L"#Player1 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic",
                       L"#Default 0"}),
        ChoiceSetting(modes, L"Player2操作モード", controlModes, 0,
                      {L"#Player2 Mode  0 : Full Control  1 : Semi-Automatic  2 : Automatic",
                       L"#Default 0"}),
        ChoiceSetting(devices, L"マウス使用", {L"Player1", L"Player2"}, 0,
                      {L"#Use Mouse  1 : Player1  2 : Player2", L"#Default 1"})
            .Stored(PlayerNumber, PlayerIndex),
        KeySetting(devices, L"決定キー", goNextDefault,
                   {L"#For Go Next", DefaultComment(goNextDefault)}),
    };
    const wxString keys1P1[7] = {L"z", L"x", L"c", L"right", L"left", L"down", L"up"};
    const wxString keys2P1[7] = {L"z", L"x", L"c", L"m", L"b", L"n", L"h"};
    const wxString keys2P2[7] = {L".", L"/", L"\\", L"[4]", L"[6]", L"[8]", L"[2]"};
    AddKeySet(settings, set1P1, L"1P Player1", keys1P1);
    AddKeySet(settings, set2P1, L"2P Player1", keys2P1);
    AddKeySet(settings, set2P2, L"2P Player2", keys2P2);
    return settings;
}
}

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

ControlPage::ControlPage(wxWindow* parent)
    : myPage(parent), settings(Groups(), ::Settings())
{
    settings.CreateControls(this);
    PageLayout layout(this, 2);
    settings.LayoutControls(layout);
    layout.Finish();
}

// ----------------------------------------------------------------------------
// page contract
// ----------------------------------------------------------------------------

void ControlPage::SetDefaults()
{
    settings.SetDefaults();
}

bool ControlPage::WriteSection(wxTextOutputStream& out)
{
    settings.WriteSection(out);
    return true;
}

bool ControlPage::ReadSection(wxTextInputStream& in)
{
    // neither the numbers nor the key names are checked; a missing mouse
    // line leaves the mouse player without a selection
    settings.ReadSection(in);
    return true;
}
