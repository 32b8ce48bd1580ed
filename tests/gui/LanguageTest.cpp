// The editor in English (this suite runs again under LANG=en_US.UTF-8, a locale that need not exist;
// tests/CMakeLists.txt): no Japanese character is left in any page's captions, choices, tooltips, screen-reader
// names and browse dialogs, in the menus, the dialogs (the game folder question too), the status messages or the
// check's findings. Under C and ja_JP the other suites hold the texts of the sources.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/ctrlsub.h>
#include <wx/dirdlg.h>
#include <wx/menu.h>
#include <wx/notebook.h>

#include "app/EditorVersion.h"
#include "app/GameFolderQuestion.h"
#include "app/Language.h"
#include "app/MenuId.h"
#include "app/PageBook.h"
#include "app/WindowMemory.h"
#include "controls/GtkAccess.h"
#include "settings/GameCheck.h"
#include "support/GuiHelpers.h"

namespace
{
bool IsJapanese(wxUniChar c) { return (c >= 0x3000 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF); }

// a game whose strategy list cannot be read, a music file and the boxer editor gone, a key both players use
void DamagedGame()
{
    CopySampleGame();
    for (const char* gone : {"Data/thinkcf.txt", "BGM/kokorogm.mid", "Data/Brawnsmith.exe"})
        std::filesystem::remove(gone);
    std::string config = ReadFile("config.txt");
    WriteFile("config.txt", config.replace(config.find("\n.\n", config.find("#2P Player2 Left Offense")), 3, "\nz\n"));
}
}

TEST(LanguageTest, EveryTextOfTheWindowIsInEnglish)
{
    const auto onlyEnglish = [](const wxString& language) { return language == L"en"; };
    if (CatalogLanguage([](const wchar_t* name) { return wxString(wxGetenv(name)); }, onlyEnglish) != L"en")
        GTEST_SKIP() << "runs under LANG=en_US.UTF-8";
    FrameInTempDir window(DamagedGame);
    MainWindow& frame = window.Frame();
    std::vector<wxString> texts = {StatusOf(frame)};    // what the load said
    SetFileDialogRunner([&texts](wxDialog& dialog) {
        auto* file = dynamic_cast<wxFileDialog*>(&dialog);
        auto* folder = dynamic_cast<wxDirDialog*>(&dialog);
        texts.insert(texts.end(), {file ? file->GetMessage() + file->GetWildcard() : folder->GetMessage()});
        return FileChoice{false, wxString()};
    });
    // every window's texts; a button clicked (a browse button shows its dialog, a gym member's says the boxer
    // editor cannot start)
    const auto collect = [&texts](wxWindow* window) {
        for (wxWindow* control : Tree(window))
        {
            texts.insert(texts.end(), {control->GetLabel(), control->GetToolTipText(), AccessibleName(control),
                                       AccessibleDescription(control)});
            if (auto* items = dynamic_cast<wxItemContainerImmutable*>(control))
                for (unsigned i = 0; i < items->GetCount(); ++i)
                    texts.push_back(items->GetString(i));
            if (dynamic_cast<wxButton*>(control) && control->GetId() != wxID_OK && control->GetId() != wxID_CANCEL)
                ClickButton(control);
        }
    };
    for (size_t page = 0; page < frame.GetNotebook()->GetPageCount(); ++page)
    {
        frame.GetNotebook()->SetSelection(page);
        Pump(20);
        texts.push_back(frame.GetNotebook()->GetPageText(page));
        collect(frame.GetNotebook()->GetPage(page));
    }
    GameFolderQuestion question(L"/home/player", {L"/games/ringvald"});    // asked at a start outside a game
    texts.push_back(question.GetTitle());
    collect(&question);
    SetFileDialogRunner(nullptr);
    const wxMenuBar& menus = *frame.GetMenuBar();
    for (size_t menu = 0; menu < menus.GetMenuCount(); ++menu)
    {
        texts.push_back(menus.GetMenuLabel(menu));
        for (const wxMenuItem* item : menus.GetMenu(menu)->GetMenuItems())
            texts.insert(texts.end(), {item->GetItemLabel(), item->GetHelp()});
    }
    // every command that shows a dialog or a status message; config.txt changed under the editor first, so
    // that the save asks before overwriting it
    WriteFile("config.txt", ReadFile("config.txt") + "#changed\n");
    ModalDialogs dialogs;
    for (int command : {int(idSave), int(idSaveAs), int(idLoad), int(idReplay), int(idBoxerEditor), int(wxID_ABOUT)})
    {
        SendMenu(frame, command);
        texts.insert(texts.end(), {U(dialogs.seen), U(dialogs.more), StatusOf(frame)});
        dialogs.seen.clear(), dialogs.more.clear();
    }
    for (const Finding& finding : CheckGameDirectory(frame.GetSettings()))
        texts.push_back(finding.text);

    wxString all;
    for (const wxString& text : texts)
        if (all += text + L"\n"; std::any_of(text.begin(), text.end(), IsJapanese))
            ADD_FAILURE() << "not in English: " << B(text);
    // the load's stop in the status bar and the findings, a mark's reason, the About box's version and file
    for (const wxString& part : {wxString(L"step 20: The strategy list file is invalid"), wxString(L"File not found"),
                                 L"ringvald-config " + wxString(editorVersion), WindowMemoryFile()})
        EXPECT_TRUE(all.Contains(part)) << B(part);
    EXPECT_GT(texts.size(), 1000u);
}
