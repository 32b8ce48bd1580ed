// Where a list may be written: one file under two names, and paths that
// leave the game directory. (Folders: SaveTransactionTest.)
#include <gtest/gtest.h>
#include <unistd.h>

#include "settings/GamePath.h"
#include "support/TempDir.h"

TEST(GamePath, TellsWhereAPathLeadsAndWhetherItStaysInTheGameDirectory)
{
    TempDir dir;
    MakeDir("Data");
    WriteFile("config.txt", "1\n");
    WriteFile("Data/datacf.txt", "1\n");
    ASSERT_EQ(symlink("../config.txt", "Data/config-link.txt") | link("Data/datacf.txt", "hard.txt") |
              symlink("/tmp", "outside") | symlink("Data/later.txt", "dangling.txt"), 0);

    const struct { const wchar_t* first; const wchar_t* second; bool same; } pairs[] = {
        {L"config.txt", L"./config.txt", true}, {L"config.txt", L"Data/../config.txt", true},
        {L"config.txt", L".//Data/./config-link.txt", true}, {L"Data/datacf.txt", L"hard.txt", true},
        {L"Data/later.txt", L"dangling.txt", true}, {L"Data/new.txt", L"Data/../Data/new.txt", true},
        {L"config.txt", L"Data/config.txt", false}, {L"new.txt", L"Data/new.txt", false},
        {L"Data/datacf.txt", L"Data/thinkcf.txt", false}, {L"outside/x", L"x", false},
    };
    for (const auto& test : pairs)
        EXPECT_EQ(GamePath::SameFile(test.first, test.second), test.same) << test.first << L", " << test.second;
    const wxString root = GamePath::FromBytes(dir.Path());
    EXPECT_EQ(GamePath::Resolve(L"Data/config-link.txt"), root + L"/config.txt");
    EXPECT_EQ(GamePath::Resolve(L"Data/new/../../x"), root + L"/x");

    const struct { const wchar_t* path; bool inside; } places[] = {
        {L"Data/datacf.txt", true}, {L"./Replay/new.txt", true}, {L"dangling.txt", true},
        {L".", false}, {L"Data/../..", false}, {L"../game/config.txt", false},
        {L"Data/../../config.txt", false}, {L"/etc/passwd", false}, {L"outside/x.txt", false},
    };
    for (const auto& test : places)
        EXPECT_EQ(GamePath::IsInside(test.path, L"."), test.inside) << test.path;
    EXPECT_FALSE(GamePath::IsInside(root + L"2/config.txt", root)) << "a folder beside it";

    // outside only where the user browsed to it
    const std::vector<wxString> picked = {L"/tmp/x/../picked.txt"};
    EXPECT_TRUE(GamePath::MayHoldList(L"outside/picked.txt", L".", picked));
    EXPECT_FALSE(GamePath::MayHoldList(L"outside/other.txt", L".", picked));
    EXPECT_FALSE(GamePath::MayHoldList(L"Data\\", L".", picked));
}

TEST(GamePath, KeepsBytesThatAreNotUtf8)
{
    const std::string name = "caf\xe9/\x83\x7b.txt";    // Latin-1 and Shift-JIS
    EXPECT_EQ(GamePath::ToBytes(GamePath::FromBytes(name)), name);
    EXPECT_EQ(GamePath::ToBytes(wxString(L"\U00100083")), "\x83");
}
