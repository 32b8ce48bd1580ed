// The configuration document as a whole and the file commands of the menu.
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <vector>
#include <wx/filedlg.h>
#include <wx/testing.h>

#include "app/MenuId.h"
#include "app/myFrame.h"
#include "support/GuiHelpers.h"

namespace
{
std::vector<std::string> SplitLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// the "#Config Files" block and the end marker, as the game reads them
const std::vector<std::string> configFilesComments = {
    "#Replay Config File", "#Default ./Replay/replaycf.txt",
    "#BGM Config File",    "#Default ./BGM/bgmcf.txt",
    "#Image Config File",  "#Default ./Image/imagecf.txt",
    "#Sound Effect Config File", "#Default ./SE/secf.txt",
    "#Font Config File",   "#Default ./Font/fontcf.txt",
    "#Data Config File",   "#Default ./Data/datacf.txt",
    "#Think Config File",  "#Default ./Data/thinkcf.txt",
};

std::string AbsolutePath(TempDir& dir, const std::string& name)
{
    return dir.Path() + "/" + name;
}
}

TEST(Document, FrameOfTheDocumentStandsWhereTheGameLooksForIt)
{
    FrameInTempDir window;
    EXPECT_EQ(B(StatusOf(window.Frame())), "ファイルが開けません");
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(B(StatusOf(window.Frame())), "保存しました");

    const std::vector<std::string> lines = SplitLines(ReadFile("config.txt"));
    ASSERT_GE(lines.size(), 26u);
    EXPECT_EQ(lines[0], "#Config File for Ringvald Ver 1.2.0 Release");
    EXPECT_EQ(lines[1], "#made by Configure for Ringvald Ver 1.2.0 Release");
    EXPECT_EQ(lines[2], "") << "the first section opens with an empty line";
    EXPECT_EQ(lines[3], "#Screen Config");

    // from the end: 7 entries of two comments and a value, then the end marker
    const size_t block = lines.size() - 24;
    EXPECT_EQ(lines[block - 1], "");
    EXPECT_EQ(lines[block], "#Config Files");
    for (size_t entry = 0; entry < 7; ++entry)
    {
        EXPECT_EQ(lines[block + 1 + 3 * entry], configFilesComments[2 * entry]) << entry;
        EXPECT_EQ(lines[block + 2 + 3 * entry], configFilesComments[2 * entry + 1]) << entry;
    }
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines.back(), "#End of File");
    EXPECT_EQ(ReadFile("config.txt").back(), '\n');
}

TEST(Document, DamagedConfigAtStartUpOpensTheWindowWithTheLoadMessage)
{
    struct Case
    {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"binary", std::string("\x7f" "ELF\x02\x01\x01\0\0\0\xff\xfe", 13)},
        {"only empty lines", std::string(300000, '\n')},
        {"one long line", std::string(5 * 1024 * 1024, '7')},
        {"numbers beyond 32 bits", "99999999999999999999\n-99999999999999999999\n"},
    };
    for (const Case& c : cases)
    {
        FrameInTempDir window([&] { WriteFile("config.txt", c.bytes); });
        EXPECT_TRUE(window.Frame().IsShown()) << c.what;
        // the load ends at a list file it cannot open: every list path is
        // missing or empty here
        EXPECT_FALSE(StatusOf(window.Frame()).empty()) << c.what;
    }
}

TEST(Document, SaveWithTheStartUpPathAsksNothing)
{
    FrameInTempDir window;
    DialogAnswer answer;
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(answer.shown, 0);
    EXPECT_TRUE(FileExists("config.txt"));
}

TEST(Document, SaveAsWritesTheChosenFileAndKeepsItsPath)
{
    FrameInTempDir window;
    const std::string chosen = AbsolutePath(window.Dir(), "mine.txt");
    {
        DialogAnswer answer(U(chosen));
        SendMenu(window.Frame(), idSaveAs);
        EXPECT_EQ(answer.shown, 1);
    }
    EXPECT_EQ(B(StatusOf(window.Frame())), "保存しました");
    EXPECT_TRUE(FileExists("mine.txt"));
    EXPECT_FALSE(FileExists("config.txt"));
    EXPECT_EQ(B(window.Frame().GetConfigPath().GetFullPath()), chosen);

    // a later Save goes to the same file without asking
    WriteFile("mine.txt", "overwritten?\n");
    DialogAnswer none;
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(none.shown, 0);
    EXPECT_NE(ReadFile("mine.txt"), "overwritten?\n");
}

TEST(Document, CancelledDialogsSayWhatHappenedAndChangeNothing)
{
    struct Case
    {
        int command;
        const char* message;
    };
    const Case cases[] = {
        {idSaveAs, "保存中止"},
        {idLoad, "読み込み中止"},
    };
    for (const Case& c : cases)
    {
        FrameInTempDir window;
        DialogAnswer cancel;
        SendMenu(window.Frame(), c.command);
        EXPECT_EQ(B(StatusOf(window.Frame())), c.message);
        EXPECT_EQ(B(window.Frame().GetConfigPath().GetFullPath()), "./config.txt");
        EXPECT_FALSE(FileExists("config.txt"));
    }
}

TEST(Document, SaveThatCannotOpenItsFileSaysSoAndWritesNothing)
{
    FrameInTempDir window;
    DialogAnswer answer(U(AbsolutePath(window.Dir(), "missing/folder.txt")));
    SendMenu(window.Frame(), idSaveAs);
    EXPECT_EQ(B(StatusOf(window.Frame())), "ファイルが開けません");
    EXPECT_FALSE(FileExists("missing"));
    // the new path is kept all the same
    EXPECT_EQ(B(window.Frame().GetConfigPath().GetFullName()), "folder.txt");
}

TEST(Document, FailedLoadKeepsTheChosenPath)
{
    FrameInTempDir window;
    const std::string chosen = AbsolutePath(window.Dir(), "nothing.txt");
    DialogAnswer answer(U(chosen));
    SendMenu(window.Frame(), idLoad);
    EXPECT_EQ(B(StatusOf(window.Frame())), "ファイルが開けません");
    EXPECT_EQ(B(window.Frame().GetConfigPath().GetFullPath()), chosen);
}

TEST(Document, LoadOfAWrittenDocumentSucceeds)
{
    FrameInTempDir window([] {
        for (const char* folder : {"Replay", "BGM", "SE", "Image", "Font", "Data"})
            MakeDir(folder);
    });
    SendMenu(window.Frame(), idInitialSettings);
    SendMenu(window.Frame(), idSave);
    DialogAnswer answer(U(AbsolutePath(window.Dir(), "config.txt")));
    SendMenu(window.Frame(), idLoad);
    EXPECT_EQ(B(StatusOf(window.Frame())), "読み込みました");
}

TEST(Document, ClosingSavesToConfigTxtWhateverWasLoaded)
{
    TempDir dir;
    auto* frame = new myFrame;
    SendMenu(*frame, idInitialSettings);
    {
        DialogAnswer answer(U(dir.Path() + "/other.txt"));
        SendMenu(*frame, idSaveAs);
    }
    ASSERT_TRUE(FileExists("other.txt"));
    const std::string other = ReadFile("other.txt");
    ASSERT_FALSE(FileExists("config.txt"));

    SendMenu(*frame, idExit);    // Ctrl-E closes, and closing saves
    Pump();
    EXPECT_EQ(ReadFile("config.txt"), other);
    EXPECT_EQ(ReadFile("other.txt"), other);
}

TEST(Document, WindowManagerCloseSavesToo)
{
    TempDir dir;
    auto* frame = new myFrame;
    frame->Close();    // what the title bar's close button does
    Pump();
    EXPECT_TRUE(FileExists("config.txt"));
}

TEST(Document, QuitWithoutSavingWritesNothing)
{
    TempDir dir;
    auto* frame = new myFrame;
    SendMenu(*frame, idInitialSettings);
    SendMenu(*frame, idQuitWithoutSaving);
    Pump();
    EXPECT_EQ(std::system("test -z \"$(ls -A)\""), 0) << "files were written";
}

TEST(Document, InitialSettingsWriteNothingAndKeepThePath)
{
    FrameInTempDir window;
    const wxString before = StatusOf(window.Frame());
    SendMenu(window.Frame(), idInitialSettings);
    EXPECT_EQ(StatusOf(window.Frame()), before);
    EXPECT_EQ(B(window.Frame().GetConfigPath().GetFullPath()), "./config.txt");
    EXPECT_FALSE(FileExists("config.txt"));
}

TEST(Document, NonAsciiBytesRoundTripThroughTheWholeDocument)
{
    // a name in Shift-JIS from an older install and one in UTF-8, as the
    // values of the "#Config Files" block
    const std::string sjis = "\x83\x7b\x83\x4e\x83\x54\x81\x5b.txt";
    const std::string utf8 = "\xe3\x83\x9c\xe3\x82\xaf.txt";
    FrameInTempDir window;
    SendMenu(window.Frame(), idInitialSettings);
    SendMenu(window.Frame(), idSave);
    std::string document = ReadFile("config.txt");
    const std::string replayDefault = "#Default ./Replay/replaycf.txt\n";
    const size_t value = document.find(replayDefault) + replayDefault.size();
    const size_t valueEnd = document.find('\n', value);
    document.replace(value, valueEnd - value, "./Replay/" + sjis);
    WriteFile("edited.txt", document);
    MakeDir("Replay");
    WriteFile("Replay/" + sjis, ReadFile("Replay/replaycf.txt"));

    DialogAnswer answer(U(window.Dir().Path() + "/edited.txt"));
    SendMenu(window.Frame(), idLoad);
    SendMenu(window.Frame(), idSave);
    EXPECT_EQ(ReadFile("edited.txt"), document);
    (void)utf8;
}

// ----------------------------------------------------------------------------
// the real dialogs, answered by the toolkit's own test hook
// ----------------------------------------------------------------------------

namespace
{
struct SeenDialog
{
    wxString message, directory, wildcard;
    long style = 0;
};

// answers a file dialog with Cancel after noting what it was shown with
class ExpectFileDialog : public wxExpectModalBase<wxFileDialog>
{
public:
    explicit ExpectFileDialog(SeenDialog& seen)
        : seen(seen)
    {
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        seen.message = dialog->GetMessage();
        seen.directory = dialog->GetDirectory();
        seen.wildcard = dialog->GetWildcard();
        seen.style = dialog->GetWindowStyle();
        return wxID_CANCEL;
    }

private:
    SeenDialog& seen;
};
}

TEST(Document, RealFileDialogsAreAskedWithTheirMessageFolderWildcardAndStyle)
{
    struct Case
    {
        int command;
        long style;
        const char* afterCancel;
    };
    const Case cases[] = {
        {idSaveAs, wxFD_SAVE | wxFD_OVERWRITE_PROMPT, "保存中止"},
        {idLoad, wxFD_OPEN, "読み込み中止"},
    };
    for (const Case& c : cases)
    {
        FrameInTempDir window;
        SeenDialog seen;
        wxTEST_DIALOG(SendMenu(window.Frame(), c.command), ExpectFileDialog(seen));
        EXPECT_EQ(B(seen.message), "設定ファイル");
        EXPECT_EQ(B(seen.wildcard), "設定 (*.txt)|*.txt");
        EXPECT_EQ(B(seen.directory), "./") << "opens in the game directory";
        EXPECT_EQ(seen.style & (wxFD_SAVE | wxFD_OPEN | wxFD_OVERWRITE_PROMPT), c.style);
        EXPECT_EQ(B(StatusOf(window.Frame())), c.afterCancel);
    }
}
