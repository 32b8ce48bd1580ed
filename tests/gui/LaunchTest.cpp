// Starting the game and the boxer editor: what is saved first, which program starts and how, the exact
// arguments it gets, what is said when it cannot.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "app/GameFileDropTarget.h"
#include "app/MenuId.h"
#include "app/PageBook.h"
#include "support/GuiHelpers.h"

namespace
{
// a stand-in for a program: it copies the config.txt it finds to config-at-start.txt and appends its
// argument count, its arguments a line each and "--" to <name>.record
void WriteStandIn(const std::string& program, const std::string& name)
{
    WriteFile(program, "#!/bin/sh\nPATH=/usr/bin:/bin\n"
                       "[ -f config.txt ] && cp config.txt config-at-start.txt\n"
                       "{ echo $#; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; echo --; } >> " + name +
                           ".record\n");
    chmod(program.c_str(), 0755);
}

// what the stand-ins recorded, each record after its name
std::string Recorded()
{
    std::string recorded;
    for (const std::string name : {"game", "editor", "wine"})
        recorded += FileExists(name + ".record") ? name + ": " + ReadFile(name + ".record") : "";
    return recorded;
}
// the sample game (two gym members) with stand-ins for its programs
void PrepareGame()
{
    CopySampleGame();
    WriteStandIn("Ringvald.exe", "game");
    WriteStandIn("Data/Brawnsmith.exe", "editor");
}
// the game a Windows program that is not executable, and a stand-in wine in bin
void WindowsGame()
{
    PrepareGame();
    WriteFile("Ringvald.exe", std::string("MZ\x90\0\3\0", 6));
    chmod("Ringvald.exe", 0644);
    MakeDir("bin");
    WriteStandIn("bin/wine", "wine");
}

void SaveAndRun(MainWindow& frame) { SendMenu(frame, idSaveAndRun); }
void BoxerEditor(MainWindow& frame) { SendMenu(frame, idBoxerEditor); }
void ChooseReplay(MainWindow& frame, const char* answer)
{
    DialogAnswer dialog(U(answer));
    SendMenu(frame, idReplay);
    EXPECT_EQ(dialog.shown, 1);
}

// the member's button on the gym page, after typing a path in its row
void ClickMember(MainWindow& frame, size_t row, const char* typed = nullptr)
{
    frame.GetNotebook()->SetSelection(7);
    BoxerPage& page = *frame.GetNotebook()->boxerPage;
    if (typed)
        TypeInto(First<wxTextCtrl>(page.MemberSlots().at(row)), typed);
    ClickButton(page.MemberButtons().at(row));
}

const wchar_t* names[] = {L"-my dir/a b.rep", L"other.rep"};
const wxArrayString dropped(2, names);
}

// Only Save and Run saves, to config.txt (though another document was loaded), before the game starts. A
// program that cannot start is named in the status bar. PATH is the game's bin; nothing goes to stderr.
TEST(Launch, EachWayStartsItsProgramWithItsArguments)
{
    const wchar_t* const unchanged = nullptr;
    // the game prepared, the act, what the stand-ins recorded, and the status
    const struct { const char* what; void (*prepare)(); void (*act)(MainWindow&); const char* recorded;
                   const wchar_t* status; } cases[] = {
        {"save and run", PrepareGame, SaveAndRun, "game: 0\n--\n", unchanged},
        {"boxer editor", PrepareGame, BoxerEditor, "editor: 0\n--\n", unchanged},
        {"replay chosen", PrepareGame, [](MainWindow& f) { ChooseReplay(f, "Replay/my match 1.rep"); },
         "game: 1\nReplay/my match 1.rep\n--\n", unchanged},
        {"replay dialog cancelled", PrepareGame, [](MainWindow& f) { ChooseReplay(f, ""); }, "", unchanged},
        {"files dropped", PrepareGame, [](MainWindow& f) { EXPECT_TRUE(GameFileDropTarget(f).OnDropFiles(0, 0, dropped)); },
         "game: 1\n\"./-my dir/a b.rep\"\n--\n", unchanged},
        {"gym member as loaded", PrepareGame, [](MainWindow& f) { ClickMember(f, 1); },
         "editor: 1\n./Data/veteran.box\n--\n", unchanged},
        {"gym member typed", PrepareGame, [](MainWindow& f) { ClickMember(f, 4, "-a b.box"); },
         "editor: 1\n./-a b.box\n--\n", unchanged},
        {"empty gym row", PrepareGame, [](MainWindow& f) { ClickMember(f, 5); }, "", unchanged},
        {"Windows game replay", WindowsGame, [](MainWindow& f) { ChooseReplay(f, "Replay/a.rep"); },
         "wine: 2\n./Ringvald.exe\nReplay/a.rep\n--\n", unchanged},
        {"game missing", [] { WindowsGame(); std::filesystem::remove("Ringvald.exe"); }, SaveAndRun, "",
         L"./Ringvald.exeを起動できません"},
        {"Windows game without wine", [] { WindowsGame(); std::filesystem::remove("bin/wine"); }, SaveAndRun,
         "", L"./Ringvald.exeを起動できません"},
        {"editor not executable", [] { PrepareGame(); chmod("Data/Brawnsmith.exe", 0644); }, BoxerEditor, "",
         L"./Data/Brawnsmith.exeを起動できません"},
    };
    const wxString path(wxGetenv(L"PATH"));
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        FrameInTempDir window(c.prepare);
        MainWindow& frame = window.Frame();
        wxSetEnv(L"PATH", U(window.dir.Path() + "/bin"));
        std::filesystem::rename("config.txt", "other.txt");
        const std::string other = ReadFile("other.txt");
        {
            DialogAnswer answer(L"other.txt");
            SendMenu(frame, idLoad);
        }
        const wxString status = c.status ? wxString(c.status) : StatusOf(frame);
        testing::internal::CaptureStderr();    // the editor's and its children's
        c.act(frame);
        // a start takes a few milliseconds to be recorded; then the whole record, and a second start if there
        // were one
        for (wxStopWatch watch; *c.recorded && watch.Time() < 5000 && Recorded().empty();)
            Pump(20);
        Pump(*c.recorded ? 150 : 300);
        EXPECT_EQ(Recorded(), c.recorded);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(StatusOf(frame), status);
        EXPECT_EQ(ReadFile("other.txt"), other);
        const bool saves = c.act == SaveAndRun;
        EXPECT_EQ(B(frame.GetConfigPath().GetFullName()), saves ? "config.txt" : "other.txt");
        EXPECT_EQ(FileExists("config.txt"), saves);
        if (saves && *c.recorded)    // as the game found it when it started
            EXPECT_EQ(ReadFile("config-at-start.txt"), ReadFile("config.txt"));
    }
    wxSetEnv(L"PATH", path);
}
