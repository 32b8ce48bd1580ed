// The window's texts in the user's language: under English no Japanese character is left in any page's
// captions, choices, tooltips and screen-reader names, in the menus, the dialogs, the status messages or the
// check's findings; under C and Japanese they are the texts of the sources. The suite runs under C, and under
// LANG=en_US.UTF-8 and LANG=ja_JP.UTF-8 (tests/CMakeLists.txt); the locales need not exist.
#include <fstream>
#include <map>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/ctrlsub.h>
#include <wx/menu.h>
#include <wx/notebook.h>

#include "app/EditorVersion.h"
#include "app/Language.h"
#include "app/MenuId.h"
#include "app/PageBook.h"
#include "app/WindowMemory.h"
#include "controls/GtkAccess.h"
#include "controls/PathField.h"
#include "settings/GameCheck.h"
#include "support/GuiHelpers.h"

namespace
{
bool English()
{
    return CatalogLanguage([](const wchar_t* name) { return wxString(wxGetenv(name)); }) == L"en";
}
bool IsJapanese(wxUniChar c) { return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF); }

// what a user reads or hears of a window and its children; a browse button's dialog too
void CollectTexts(wxWindow* window, std::vector<wxString>& texts)
{
    texts.insert(texts.end(), {window->GetLabel(), window->GetToolTipText(), AccessibleName(window),
                               AccessibleDescription(window)});
    if (auto* items = dynamic_cast<wxItemContainerImmutable*>(window))
        for (unsigned i = 0; i < items->GetCount(); ++i)
            texts.push_back(items->GetString(i));
    if (dynamic_cast<wxButton*>(window) && dynamic_cast<PathField*>(window->GetParent()))
    {
        SetFileDialogRunner([&texts](wxFileDialog& dialog) {
            texts.insert(texts.end(), {dialog.GetMessage(), dialog.GetWildcard()});
            return FileChoice{false, wxString()};
        });
        ClickButton(window);
        SetFileDialogRunner(nullptr);
    }
    for (wxWindow* child : window->GetChildren())
        CollectTexts(child, texts);
}

// notes the titles and extended messages of the message boxes it answers, beside their messages
struct TextsOfDialogs : ModalDialogs
{
    int Enter(wxDialog* dialog) override
    {
        if (auto* box = dynamic_cast<wxMessageDialog*>(dialog))
            seen += B(box->GetTitle() + L"\n" + box->GetExtendedMessage() + L"\n");
        return ModalDialogs::Enter(dialog);
    }
};

// a game whose strategy list cannot be read, with a music file and the boxer editor gone and a key both
// players use
void DamagedGame()
{
    CopySampleGame();
    std::filesystem::remove("Data/thinkcf.txt");
    std::filesystem::remove("BGM/kokorogm.mid");
    std::filesystem::remove("Data/Brawnsmith.exe");
    std::ifstream in("config.txt");
    std::string text((std::istreambuf_iterator<char>(in)), {});
    text.replace(text.find("\n.\n", text.find("#2P Player2 Left Offense")), 3, "\nz\n");
    std::ofstream("config.txt") << text;
}
}

TEST(LanguageTest, EveryTextOfTheWindowIsInTheUsersLanguage)
{
    FrameInTempDir window(DamagedGame);
    MainWindow& frame = window.Frame();
    std::vector<wxString> texts = {StatusOf(frame)};    // what the load said
    for (size_t page = 0; page < frame.GetNotebook()->GetPageCount(); ++page)
    {
        frame.GetNotebook()->SetSelection(page);
        Pump(20);
        texts.push_back(frame.GetNotebook()->GetPageText(page));
        CollectTexts(frame.GetNotebook()->GetPage(page), texts);
    }
    const wxMenuBar& menus = *frame.GetMenuBar();
    for (size_t menu = 0; menu < menus.GetMenuCount(); ++menu)
    {
        texts.push_back(menus.GetMenuLabel(menu));
        for (const wxMenuItem* item : menus.GetMenu(menu)->GetMenuItems())
            texts.insert(texts.end(), {item->GetItemLabel(), item->GetHelp()});
    }
    // every command that shows a dialog or a status message; config.txt changed under the editor first, so
    // that the save asks before overwriting it
    std::ofstream("config.txt", std::ios::app) << "#changed\n";
    TextsOfDialogs dialogs;
    for (int command : {int(idSave), int(idSaveAs), int(idLoad), int(idReplay), int(idBoxerEditor), int(wxID_ABOUT)})
    {
        SendMenu(frame, command);
        texts.insert(texts.end(), {U(dialogs.seen), StatusOf(frame)});
        dialogs.seen.clear();
    }
    for (const Finding& finding : CheckGameDirectory(frame.GetSettings()))
        texts.push_back(finding.text);

    for (const wxString& text : texts)
        if (English() && std::any_of(text.begin(), text.end(), IsJapanese))
            ADD_FAILURE() << "not in English: " << B(text);
    const auto has = [&texts](const wchar_t* part) {
        return std::any_of(texts.begin(), texts.end(), [part](const wxString& text) { return text.Contains(part); });
    };
    // a few texts of each kind, in the language of the test's run
    const struct { const wchar_t *japanese, *english; } samples[] = {
        {L"基本", L"Basic"}, {L"ファイル(&F)", L"&File"}, {L"作戦設定ファイルが異常です", L"The strategy list file is invalid"},
        {L"選択肢: ", L"Choices: "}, {L"ファイルが見つかりません", L"File not found"}, {L"上書きしますか?", L"Overwrite it?"},
        {L"もう一人のプレイヤーにも使われているキーです", L"also bound for the other player"},
        {L"リプレイ (*.rep)|*.rep", L"Replays (*.rep)|*.rep"}, {L"BGMファイル", L"Music File"},
        {L"画像ファイル", L"Image File"}, {L"Brawnsmith.exeを起動できません", L"Cannot start ./Data/Brawnsmith.exe"},
        {L"のファイルを書きます", L"Writes the files of Ringvald Ver 1.2.0 Release"},
        {L"作戦設定ファイルが異常です (strategy settings file is invalid)", L"step 20: The strategy list file is invalid"},
        {L": 参照", L": Browse"}};
    for (const auto& sample : samples)
        EXPECT_TRUE(has(English() ? sample.english : sample.japanese)) << B(English() ? sample.english : sample.japanese);
    // the About box names the editor's version and where it keeps its settings
    EXPECT_TRUE(has(wxString(L"ringvald-config ") + editorVersion) && has(WindowMemoryFile()));
    EXPECT_GT(texts.size(), 1000u);
}

// The language from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as gettext takes them ("" for the sources' own):
// LANGUAGE's list first, unless the locale is C; a language without a catalog gets English.
TEST(LanguageTest, TheLanguageFollowsTheEnvironment)
{
    const struct { const wchar_t *language, *all, *messages, *lang, *chosen; } cases[] = {
        {L"", L"", L"", L"", L""}, {L"", L"", L"", L"C", L""}, {L"en", L"", L"", L"POSIX", L""},
        {L"en", L"", L"", L"C.UTF-8", L""}, {L"", L"", L"", L"ja_JP.UTF-8", L""}, {L"", L"", L"", L"ja@x", L""},
        {L"", L"", L"", L"en_US.UTF-8", L"en"}, {L"", L"", L"", L"fr_FR", L"en"}, {L"fr:ja", L"", L"", L"de", L""},
        {L"ja", L"", L"", L"en_GB", L""}, {L"en:ja", L"", L"", L"ja_JP", L"en"}, {L"", L"C", L"", L"en_US", L""},
        {L"", L"", L"ja_JP", L"en_US", L""}, {L"", L"en_US", L"ja_JP", L"", L"en"}, {L"", L"", L"C", L"ja", L""}};
    for (const auto& c : cases)
    {
        const std::map<wxString, wxString> environment = {
            {L"LANGUAGE", c.language}, {L"LC_ALL", c.all}, {L"LC_MESSAGES", c.messages}, {L"LANG", c.lang}};
        EXPECT_EQ(CatalogLanguage([&](const wchar_t* name) { return environment.at(name); }), c.chosen)
            << B(wxString::Format(L"%s|%s|%s|%s", c.language, c.all, c.messages, c.lang));
    }
}
