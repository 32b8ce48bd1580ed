// Starting the game and the boxer editor: what is saved first, which
// program starts and the exact arguments it gets. Stand-in programs record
// their arguments in the scratch game directory.
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/stopwatch.h>
#include <wx/toplevel.h>

#include "app/DnDFile.h"
#include "app/MenuId.h"
#include "app/myFrame.h"
#include "support/GuiHelpers.h"

namespace
{
const char gameRecord[] = "game.record";
const char editorRecord[] = "editor.record";

// A program that appends its argument count, each argument on a line of
// its own and a closing "--" to a record file; the game also keeps a copy
// of the config.txt it found when it started.
void InstallStandIn(const std::string& program, const std::string& record, bool copyConfig)
{
    const std::string recordPath = std::filesystem::absolute(record).string();
    std::string script = "#!/bin/sh\n";
    if (copyConfig)
        script += "[ -f ./config.txt ] && cp ./config.txt ./config-at-start.txt\n";
    script += "{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; echo --; } >> '" +
              recordPath + "'\n";
    WriteFile(program, script);
    chmod(program.c_str(), 0755);
}

void InstallStandIns()
{
    MakeDir("Data");
    MakeDir("Replay");
    InstallStandIn("Ringvald.exe", gameRecord, true);
    InstallStandIn("Data/Brawnsmith.exe", editorRecord, false);
}

// the record once a started program has finished writing it, or "" when
// nothing was recorded in time
std::string WaitForRecord(const std::string& record, int milliseconds = 5000)
{
    wxStopWatch watch;
    while (watch.Time() < milliseconds)
    {
        if (FileExists(record))
        {
            const std::string bytes = ReadFile(record);
            if (bytes.size() >= 3 && bytes.compare(bytes.size() - 3, 3, "--\n") == 0)
            {
                Pump(300);    // a second start, if there were one, would show now
                return ReadFile(record);
            }
        }
        Pump(20);
    }
    return std::string();
}

// Counts the modal dialogs that open and answers each at once, so that a
// stray message box fails the test instead of hanging it.
class DialogCounter : public wxModalDialogHook
{
public:
    DialogCounter() { Register(); }
    ~DialogCounter() override { Unregister(); }

    int opened = 0;

protected:
    int Enter(wxDialog*) override
    {
        ++opened;
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

class LaunchTest : public testing::Test
{
protected:
    myFrame& Frame() { return window.Frame(); }
    std::string InDir(const std::string& name) { return window.Dir().Path() + "/" + name; }

    FrameInTempDir window{InstallStandIns};
};
}

TEST_F(LaunchTest, SaveAndRunSavesThenStartsTheGameWithoutArguments)
{
    const wxString startStatus = StatusOf(Frame());
    ASSERT_FALSE(FileExists("config.txt"));
    SendMenu(Frame(), idSaveAndRun);

    EXPECT_EQ(WaitForRecord(gameRecord), "0\n--\n");
    ASSERT_TRUE(FileExists("config.txt"));
    // the game finds the document already written
    EXPECT_EQ(ReadFile("config-at-start.txt"), ReadFile("config.txt"));
    EXPECT_EQ(ReadFile("config.txt").rfind("#Config File for Ringvald Ver 1.2.0 Release\n", 0), 0u);
    EXPECT_FALSE(FileExists(editorRecord));
    // no "saved" message
    EXPECT_EQ(StatusOf(Frame()), startStatus);
}

TEST_F(LaunchTest, SaveAndRunAfterALoadWritesConfigTxtNotTheLoadedFile)
{
    WriteFile("other.txt", Lines({"#another document", "1"}));
    {
        DialogAnswer answer(U(InDir("other.txt")));
        SendMenu(Frame(), idLoad);
        ASSERT_EQ(answer.shown, 1);
    }
    ASSERT_EQ(B(Frame().GetConfigPath().GetFullPath()), InDir("other.txt"));

    SendMenu(Frame(), idSaveAndRun);
    EXPECT_EQ(WaitForRecord(gameRecord), "0\n--\n");
    EXPECT_EQ(ReadFile("other.txt"), Lines({"#another document", "1"}));
    EXPECT_TRUE(FileExists("config.txt"));
    EXPECT_EQ(B(Frame().GetConfigPath().GetFullPath()), "./config.txt");
}

TEST_F(LaunchTest, BoxerEditorStartsWithoutArgumentsAndSavesNothing)
{
    SendMenu(Frame(), idBoxerEditor);
    EXPECT_EQ(WaitForRecord(editorRecord), "0\n--\n");
    EXPECT_FALSE(FileExists("config.txt"));
    EXPECT_FALSE(FileExists(gameRecord));
}

TEST_F(LaunchTest, ReplayDialogAsksForAReplayFileInTheReplayFolder)
{
    DialogAnswer answer{wxString()};
    SendMenu(Frame(), idReplay);
    ASSERT_EQ(answer.shown, 1);
    EXPECT_EQ(B(answer.message), "リプレイファイル");
    EXPECT_TRUE(answer.directory.EndsWith(wxString(L"Replay"))) << B(answer.directory);
    EXPECT_EQ(B(answer.wildcard), "リプレイ (*.rep)|*.rep");
    EXPECT_TRUE(answer.style & wxFD_OPEN);
    EXPECT_FALSE(answer.style & (wxFD_SAVE | wxFD_MULTIPLE | wxFD_OVERWRITE_PROMPT));
}

TEST_F(LaunchTest, AChosenReplayReachesTheGameAsOneArgument)
{
    const std::string replay = InDir("Replay/my match 1.rep");
    WriteFile(replay, "replay");
    {
        DialogAnswer answer(U(replay));
        SendMenu(Frame(), idReplay);
        ASSERT_EQ(answer.shown, 1);
    }
    EXPECT_EQ(WaitForRecord(gameRecord), "1\n" + replay + "\n--\n");
    EXPECT_FALSE(FileExists("config.txt"));    // nothing is saved first
}

TEST_F(LaunchTest, CancellingTheReplayDialogStartsNothing)
{
    SendMenu(Frame(), idSave);
    ASSERT_EQ(B(StatusOf(Frame())), "保存しました");
    {
        DialogAnswer cancel{wxString()};
        SendMenu(Frame(), idReplay);
        ASSERT_EQ(cancel.shown, 1);
    }
    EXPECT_EQ(WaitForRecord(gameRecord, 1000), "");
    EXPECT_EQ(B(StatusOf(Frame())), "保存しました");
}

TEST_F(LaunchTest, ADropStartsOneGameWithTheFirstPathQuoted)
{
    wxArrayString files;
    files.Add(U("my dir/a b.rep"));
    files.Add(U("other.rep"));
    DnDFile target;
    EXPECT_TRUE(target.OnDropFiles(0, 0, files));
    EXPECT_EQ(WaitForRecord(gameRecord), "1\n\"my dir/a b.rep\"\n--\n");
    EXPECT_FALSE(FileExists("config.txt"));
}

TEST_F(LaunchTest, AMissingProgramShowsNothingAndTheWindowGoesOn)
{
    std::filesystem::remove("Ringvald.exe");
    std::filesystem::remove("Data/Brawnsmith.exe");
    const std::string replay = InDir("Replay/a.rep");

    DialogCounter dialogs;
    SendMenu(Frame(), idSaveAndRun);
    SendMenu(Frame(), idBoxerEditor);
    {
        DialogAnswer answer(U(replay));
        SendMenu(Frame(), idReplay);
    }
    wxArrayString files;
    files.Add(U(replay));
    EXPECT_TRUE(DnDFile().OnDropFiles(0, 0, files));
    Pump(500);    // logged errors would be shown when the loop goes idle

    EXPECT_EQ(dialogs.opened, 0);
    ASSERT_EQ(wxTopLevelWindows.size(), 1u);
    EXPECT_EQ(wxTopLevelWindows.front(), &Frame());

    std::filesystem::remove("config.txt");
    SendMenu(Frame(), idSave);
    EXPECT_EQ(B(StatusOf(Frame())), "保存しました");
    EXPECT_TRUE(FileExists("config.txt"));
}
