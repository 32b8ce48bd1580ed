// Starting the game and the boxer editor: what is saved first, which
// program starts and the exact arguments it gets. Stand-in programs record
// their arguments in the scratch game directory.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <wx/modalhook.h>
#include <wx/stopwatch.h>
#include <wx/toplevel.h>

#include "app/DnDFile.h"
#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "pages/BoxerPage.h"
#include "support/ListPages.h"

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
        const std::string bytes = FileExists(record) ? ReadFile(record) : std::string();
        if (bytes.size() >= 3 && bytes.compare(bytes.size() - 3, 3, "--\n") == 0)
        {
            Pump(300);    // a second start, if there were one, would show now
            return ReadFile(record);
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

// a main window in a game directory with the two stand-in programs
struct Game
{
    myFrame& Frame() { return window.Frame(); }
    std::string InDir(const std::string& name) { return window.Dir().Path() + "/" + name; }

    void DropFiles(std::initializer_list<const char*> paths)
    {
        wxArrayString files;
        for (const char* path : paths)
            files.Add(U(path));
        EXPECT_TRUE(DnDFile().OnDropFiles(0, 0, files));
    }
    void ChooseReplay(const std::string& answer)
    {
        DialogAnswer dialog(U(answer));
        SendMenu(Frame(), idReplay);
        EXPECT_EQ(dialog.shown, 1);
    }
    void ClickMember(size_t row, const char* path)
    {
        BoxerPage& page = *Frame().GetNotebook()->boxerPage;
        page.MemberSlots()[row]->SetPath(U(path));
        ClickButton(page.MemberButtons()[row]);
    }

    FrameInTempDir window{InstallStandIns};
};
}

// Each case starts with another document loaded. Only Save and Run saves
// first: to config.txt, before the game starts. A cancelled dialog or an
// empty row starts nothing; none of them says anything.
TEST(Launch, EachWayStartsItsProgramWithItsArguments)
{
    const std::string other = Lines({"#another document", "1"});
    const struct
    {
        const char* what;
        std::function<void(Game&)> act;
        const char* record;      // of the program that starts
        std::string expected;    // "" when nothing starts; "<dir>" is the game directory
        bool saves;
    } cases[] = {
        {"save and run", [](Game& g) { SendMenu(g.Frame(), idSaveAndRun); }, gameRecord,
         "0\n--\n", true},
        {"boxer editor", [](Game& g) { SendMenu(g.Frame(), idBoxerEditor); }, editorRecord,
         "0\n--\n", false},
        {"replay chosen", [](Game& g) { g.ChooseReplay(g.InDir("Replay/my match 1.rep")); },
         gameRecord, "1\n<dir>/Replay/my match 1.rep\n--\n", false},
        {"replay dialog cancelled", [](Game& g) { g.ChooseReplay(""); }, gameRecord, "", false},
        {"files dropped", [](Game& g) { g.DropFiles({"my dir/a b.rep", "other.rep"}); }, gameRecord,
         "1\n\"my dir/a b.rep\"\n--\n", false},
        {"gym member", [](Game& g) { g.ClickMember(4, "Data/with blank.box"); }, editorRecord,
         "1\nData/with blank.box\n--\n", false},
        {"empty gym row", [](Game& g) { g.ClickMember(1, ""); }, editorRecord, "", false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        Game game;
        WriteFile("other.txt", other);
        {
            DialogAnswer answer(U(game.InDir("other.txt")));
            SendMenu(game.Frame(), idLoad);
        }
        const wxString status = StatusOf(game.Frame());
        c.act(game);
        std::string expected = c.expected;
        if (expected.find("<dir>") != std::string::npos)
            expected.replace(expected.find("<dir>"), 5, game.window.Dir().Path());
        EXPECT_EQ(WaitForRecord(c.record, expected.empty() ? 1000 : 5000), expected);
        EXPECT_FALSE(FileExists(c.record == gameRecord ? editorRecord : gameRecord));
        EXPECT_EQ(StatusOf(game.Frame()), status);
        EXPECT_EQ(ReadFile("other.txt"), other);
        EXPECT_EQ(B(game.Frame().GetConfigPath().GetFullName()), c.saves ? "config.txt" : "other.txt");
        EXPECT_EQ(FileExists("config.txt"), c.saves);
        if (c.saves)    // as the game found it when it started
            EXPECT_EQ(ReadFile("config-at-start.txt"), ReadFile("config.txt"));
    }
}

TEST(Launch, AMissingProgramShowsNothingAndTheWindowGoesOn)
{
    Game game;
    std::filesystem::remove("Ringvald.exe");
    std::filesystem::remove("Data/Brawnsmith.exe");
    DialogCounter dialogs;
    SendMenu(game.Frame(), idSaveAndRun);
    SendMenu(game.Frame(), idBoxerEditor);
    game.ChooseReplay(game.InDir("Replay/a.rep"));
    game.DropFiles({"Replay/a.rep"});
    game.ClickMember(0, "Data/a.box");
    Pump(500);    // logged errors would be shown when the loop goes idle

    EXPECT_EQ(dialogs.opened, 0);
    ASSERT_EQ(wxTopLevelWindows.size(), 1u);
    EXPECT_EQ(wxTopLevelWindows.front(), &game.Frame());
    std::filesystem::remove("config.txt");
    SendMenu(game.Frame(), idSave);
    EXPECT_EQ(B(StatusOf(game.Frame())), "保存しました");
    EXPECT_TRUE(FileExists("config.txt"));
}
