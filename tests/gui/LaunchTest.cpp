// Starting the game and the boxer editor: what is saved first, which
// program starts and the exact arguments it gets.
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/stopwatch.h>
#include <wx/textctrl.h>

#include "app/DnDFile.h"
#include "app/MenuId.h"
#include "app/myFrame.h"
#include "app/myNotebook.h"
#include "support/GuiHelpers.h"

namespace
{
// The sample game (two gym members) with stand-ins for its programs: each
// appends its argument count, its arguments a line each and "--" to its
// record, after a copy of the config.txt it finds.
void PrepareGame()
{
    CopySampleGame();
    for (const auto& [program, record] :
         {std::pair{"Ringvald.exe", "game"}, {"Data/Brawnsmith.exe", "editor"}})
    {
        const std::string to = " >> '" + std::filesystem::absolute(record).string() + ".record'\n";
        WriteFile(program, "#!/bin/sh\n[ -f config.txt ] && cp config.txt config-at-start.txt\n"
                           "{ echo \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; echo --; }" + to);
        chmod(program, 0755);
    }
}

// the record once a started program has written it, or "" when nothing was
// recorded in time
std::string WaitForRecord(const std::string& record, int milliseconds)
{
    for (wxStopWatch watch; watch.Time() < milliseconds; Pump(20))
    {
        const std::string bytes = FileExists(record) ? ReadFile(record) : std::string();
        if (bytes.size() >= 3 && bytes.compare(bytes.size() - 3, 3, "--\n") == 0)
        {
            Pump(300);    // a second start, if there were one, would show now
            return ReadFile(record);
        }
    }
    return std::string();
}

void ChooseReplay(myFrame& frame, const char* answer)
{
    DialogAnswer dialog(U(answer));
    SendMenu(frame, idReplay);
    EXPECT_EQ(dialog.shown, 1);
}

// the member's button on the gym page, after typing a path in its row
void ClickMember(myFrame& frame, size_t row, const char* typed = nullptr)
{
    frame.GetNotebook()->SetSelection(7);
    BoxerPage& page = *frame.GetNotebook()->boxerPage;
    if (typed)
        TypeInto(ChildOf<wxTextCtrl>(page.MemberSlots().at(row)), typed);
    ClickButton(page.MemberButtons().at(row));
}
}

// Only Save and Run saves first: to config.txt (though another document was
// loaded), before the game starts. A cancelled dialog or an empty gym row
// starts nothing; none of them says anything.
TEST(Launch, EachWayStartsItsProgramWithItsArguments)
{
    const wchar_t* dropped[] = {L"my dir/a b.rep", L"other.rep"};
    const struct
    {
        const char* what;
        std::function<void(myFrame&)> act;
        const char* record;      // of the program that starts
        std::string expected;    // "" when nothing starts
    } cases[] = {
        {"save and run", [](myFrame& f) { SendMenu(f, idSaveAndRun); }, "game.record", "0\n--\n"},
        {"boxer editor", [](myFrame& f) { SendMenu(f, idBoxerEditor); }, "editor.record", "0\n--\n"},
        {"replay chosen", [](myFrame& f) { ChooseReplay(f, "Replay/my match 1.rep"); }, "game.record",
         "1\nReplay/my match 1.rep\n--\n"},
        {"replay dialog cancelled", [](myFrame& f) { ChooseReplay(f, ""); }, "game.record", ""},
        {"files dropped", [&](myFrame& f) { EXPECT_TRUE(DnDFile(f).OnDropFiles(0, 0, {2, dropped})); },
         "game.record", "1\n\"my dir/a b.rep\"\n--\n"},
        {"gym member as loaded", [](myFrame& f) { ClickMember(f, 1); }, "editor.record",
         "1\n./Data/veteran.box\n--\n"},
        {"gym member typed", [](myFrame& f) { ClickMember(f, 4, "Data/with blank.box"); }, "editor.record",
         "1\nData/with blank.box\n--\n"},
        {"empty gym row", [](myFrame& f) { ClickMember(f, 5); }, "editor.record", ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        FrameInTempDir window(PrepareGame);
        myFrame& frame = window.Frame();
        std::filesystem::copy_file("config.txt", "other.txt");
        const std::string other = ReadFile("other.txt");
        {
            DialogAnswer answer(L"other.txt");
            SendMenu(frame, idLoad);
        }
        ASSERT_TRUE(std::filesystem::remove("config.txt"));
        const wxString status = StatusOf(frame);
        c.act(frame);
        EXPECT_EQ(WaitForRecord(c.record, c.expected.empty() ? 1000 : 5000), c.expected);
        EXPECT_FALSE(FileExists(c.record == std::string("game.record") ? "editor.record" : "game.record"));
        EXPECT_EQ(StatusOf(frame), status);
        EXPECT_EQ(ReadFile("other.txt"), other);
        const bool saves = &c == &cases[0];
        EXPECT_EQ(B(frame.GetConfigPath().GetFullName()), saves ? "config.txt" : "other.txt");
        EXPECT_EQ(FileExists("config.txt"), saves);
        if (saves)    // as the game found it when it started
            EXPECT_EQ(ReadFile("config-at-start.txt"), ReadFile("config.txt"));
    }
}
