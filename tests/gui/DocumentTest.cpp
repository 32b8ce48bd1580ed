// The configuration document as a whole and the file commands of the menu.
// (Its exact bytes: SectionPagesTest and ListFilesTest.)
#include <functional>
#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/testing.h>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "support/GuiHelpers.h"

namespace
{
std::string ConfigPathOf(myFrame& frame)
{
    return B(frame.GetConfigPath().GetFullPath());
}
}

// Every list path is missing or empty in these, so a load that reads past
// the damage stops at the first list file.
TEST(Document, DamagedConfigAtStartUpOpensTheWindowWithTheLoadMessage)
{
    struct Case
    {
        const char* what;
        std::string bytes;
        const char* status;
        bool written = true;
    };
    const char* const firstList = "リプレイ設定ファイルが異常です";
    const Case cases[] = {
        {"no config.txt", "", "ファイルが開けません", false},
        {"empty", "", firstList},
        {"binary", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe", 13), firstList},
        {"NUL bytes as the basic page's 25 numbers, and in the user name",
         [] {
             std::string lines;
             for (int i = 0; i < 25; ++i)
                 lines += std::string("\0\n", 2);
             return lines + std::string("us\0er\n", 6);
         }(),
         firstList},
        {"cut in a comment", "#Config File for Ringvald Ver 1.2.0 Release\n\n#Screen Con", firstList},
        {"only empty lines", std::string(300000, '\n'), firstList},
        {"one long line", std::string(5 * 1024 * 1024, '7'), firstList},
        {"numbers beyond 32 bits", "99999999999999999999\n-99999999999999999999\n", firstList},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        FrameInTempDir window([&] {
            if (c.written)
                WriteFile("config.txt", c.bytes);
        });
        EXPECT_TRUE(window.Frame().IsShown());
        EXPECT_EQ(B(StatusOf(window.Frame())), c.status);
        DialogAnswer none;    // Save asks nothing: the start-up path is known
        SendMenu(window.Frame(), idSave);
        EXPECT_EQ(none.shown, 0);
        EXPECT_EQ(B(StatusOf(window.Frame())), "保存しました");
        const std::string saved = ReadFile("config.txt");
        EXPECT_EQ(saved.rfind("#Config File for Ringvald Ver 1.2.0 Release\n", 0), 0u);
        EXPECT_EQ(saved.substr(saved.size() - 14), "\n#End of File\n");
    }
}

// the chosen path is kept all the same
TEST(Document, AChosenFileThatCannotBeOpenedSaysSoAndWritesNothing)
{
    const struct
    {
        int command;
        const char* chosen;
    } cases[] = {{idSaveAs, "missing/folder.txt"}, {idLoad, "nothing.txt"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.chosen);
        FrameInTempDir window;
        const std::string chosen = window.Dir().Path() + "/" + c.chosen;
        DialogAnswer answer(U(chosen));
        SendMenu(window.Frame(), c.command);
        EXPECT_EQ(B(StatusOf(window.Frame())), "ファイルが開けません");
        EXPECT_EQ(ConfigPathOf(window.Frame()), chosen);
        EXPECT_FALSE(FileExists("missing"));
    }
}

// Save As writes the chosen file, and a later Save goes there without
// asking. Closing saves to config.txt all the same; quitting without saving
// writes nothing.
TEST(Document, SaveAsKeepsToTheChosenFileAndClosingSavesToConfigTxt)
{
    const struct
    {
        const char* what;
        std::function<void(myFrame&)> close;
        bool saves;
    } cases[] = {
        {"exit command", [](myFrame& f) { SendMenu(f, idExit); }, true},
        {"the title bar's close button", [](myFrame& f) { f.Close(); }, true},
        {"quit without saving", [](myFrame& f) { SendMenu(f, idQuitWithoutSaving); }, false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        TempDir dir;
        auto* frame = new myFrame;
        SendMenu(*frame, idInitialSettings);
        {
            DialogAnswer answer(U(dir.Path() + "/other.txt"));
            SendMenu(*frame, idSaveAs);
            EXPECT_EQ(answer.shown, 1);
        }
        EXPECT_EQ(B(StatusOf(*frame)), "保存しました");
        EXPECT_EQ(ConfigPathOf(*frame), dir.Path() + "/other.txt");
        const std::string document = ReadFile("other.txt");
        WriteFile("other.txt", "overwritten?\n");
        {
            DialogAnswer none;
            SendMenu(*frame, idSave);
            EXPECT_EQ(none.shown, 0);
        }
        EXPECT_EQ(ReadFile("other.txt"), document);
        EXPECT_FALSE(FileExists("config.txt"));

        WriteFile("other.txt", "not to be saved over\n");
        c.close(*frame);
        Pump();
        EXPECT_EQ(FileExists("config.txt"), c.saves);
        if (c.saves)
            EXPECT_EQ(ReadFile("config.txt"), document);
        EXPECT_EQ(ReadFile("other.txt"), "not to be saved over\n");
    }
}

// Cancelled, they say so (the replay dialog says nothing) and change nothing;
// so does the real dialog, answered by the toolkit's own test hook.
TEST(Document, FileDialogsAreAskedWithTheirMessageFolderWildcardAndStyle)
{
    struct Case
    {
        int command;
        const char *message, *directory, *wildcard;
        long style;
        const char* afterCancel;
    };
    const Case cases[] = {
        {idSaveAs, "設定ファイル", "./", "設定 (*.txt)|*.txt", wxFD_SAVE | wxFD_OVERWRITE_PROMPT, "保存中止"},
        {idLoad, "設定ファイル", "./", "設定 (*.txt)|*.txt", wxFD_OPEN, "読み込み中止"},
        {idReplay, "リプレイファイル", "./Replay", "リプレイ (*.rep)|*.rep", wxFD_OPEN, "before"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.message);
        FrameInTempDir window;
        window.Frame().SetStatusText(wxString(L"before"));
        {
            DialogAnswer cancel;
            SendMenu(window.Frame(), c.command);
            EXPECT_EQ(B(cancel.message), c.message);
            EXPECT_EQ(B(cancel.wildcard), c.wildcard);
            EXPECT_EQ(B(cancel.directory), c.directory);
            EXPECT_EQ(cancel.style & (wxFD_SAVE | wxFD_OPEN | wxFD_OVERWRITE_PROMPT), c.style);
            EXPECT_EQ(B(StatusOf(window.Frame())), c.afterCancel);
        }
        window.Frame().SetStatusText(wxString(L"before"));
        wxTEST_DIALOG(SendMenu(window.Frame(), c.command), wxExpectModal<wxFileDialog>(wxString(), wxID_CANCEL));
        EXPECT_EQ(B(StatusOf(window.Frame())), c.afterCancel);
        EXPECT_EQ(ConfigPathOf(window.Frame()), "./config.txt");
        EXPECT_FALSE(FileExists("config.txt"));
    }
}
