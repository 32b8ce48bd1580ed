// A save of config.txt and its seven lists as one unit: failed or killed at every call that changes the disk,
// each file is left whole, old or new. And where a save may write: one file under two names, and paths that
// leave the game directory.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "GameFiles.h"
#include "settings/GameFolder.h"
#include "settings/GamePath.h"
#include "settings/SaveTransaction.h"

namespace
{
// ---- the fault seam: every call counted, the n-th one failed or fatal ----

struct Faults
{
    int calls = 0;
    int failAt = 0;             // fail this call (1 is the first) with EIO; 0: none
    int crashAt = 0;            // end the process just before this call
    std::string failName;       // or fail every call on a name starting so with EACCES
    std::vector<std::string> log;
    int folderSyncs = 0;
} faults;
const int killed = 77;    // the exit status of a save ended at faults.crashAt

bool Strike(const char* call, const char* name = "")
{
    faults.log.push_back(call);
    if (++faults.calls == faults.crashAt)
        _exit(killed);
    errno = faults.failName.empty() ? EIO : EACCES;
    return faults.calls == faults.failAt ||
           (!faults.failName.empty() && std::string(name).rfind(faults.failName, 0) == 0);
}

// Only the process dies in these tests, never the machine: syncs are noted
// and failed, but not made, which keeps the tests quick.
const FileSystemCalls faulty = {
    [](int folder, const char* name, int flags, mode_t mode) {
        faults.folderSyncs += (flags & O_DIRECTORY) != 0;
        return Strike("open", name) ? -1 : FileSystemCalls::Posix().openat(folder, name, flags, mode);
    },
    [](int fd, const void* data, size_t size) -> ssize_t {
        if (faults.calls + 1 == faults.crashAt)
            (void)write(fd, data, size / 2);    // killed half way through the file
        return Strike("write") ? -1 : write(fd, data, size);
    },
    [](int) { return Strike("fsync") ? -1 : 0; },
    [](int fd, mode_t mode) { return Strike("fchmod") ? -1 : fchmod(fd, mode); },
    [](int fd, uid_t owner, gid_t group) { return Strike("fchown") ? -1 : fchown(fd, owner, group); },
    [](int fd) { return Strike("close") ? (close(fd), -1) : close(fd); },    // closed all the same
    [](int folder, const char* from, int to, const char* name) {
        return Strike("rename", from) ? -1 : renameat(folder, from, to, name);
    },
    [](int folder, const char* name, int flags) { return Strike("unlink", name) ? -1 : unlinkat(folder, name, flags); },
};

// ---- a game directory ------------------------------------------------------

std::string OldBytes(const std::string& name) { return "#old " + name + "\n" + std::string(900, 'o'); }
std::string NewBytes(const std::string& name) { return "#new " + name + "\n" + std::string(2000, 'n'); }

void MakeGame()
{
    MakeGameFolders();
    for (const char* name : gameFiles)
        WriteFile(name, OldBytes(name));
}

// config.txt first, and required: when it is not saved, no list is
SaveTransaction::Result SaveGame(const Faults& plan = {})
{
    faults = plan;
    SaveTransaction save(faulty);
    for (const char* name : gameFiles)
        save.Add(wxString::FromUTF8(name), GameFolder().Place(wxString::FromUTF8(name)), NewBytes(name),
                 std::string(name) == "config.txt");
    return save.Commit();
}

// The game files now new; each file neither old nor new is a test failure,
// and so, given the save's result, is one new but reported or old but not.
int NewFiles(const std::string& when, const SaveTransaction::Result* result = nullptr)
{
    int saved = 0;
    for (const char* name : gameFiles)
    {
        const std::string bytes = ReadFile(name);
        saved += bytes == NewBytes(name);
        const bool reported = result && std::any_of(result->notSaved.begin(), result->notSaved.end(),
            [&](const SaveTransaction::NotSaved& file) { return file.path == wxString::FromUTF8(name); });
        if (bytes != OldBytes(name) && bytes != NewBytes(name))
            ADD_FAILURE() << name << " damaged " << when << ": " << bytes.substr(0, 40);
        else if (result && reported != (bytes == OldBytes(name)))
            ADD_FAILURE() << name << (reported ? " new but reported " : " old but not reported ") << when;
    }
    return saved;
}

int Leftovers()
{
    int count = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator("."))
        count += entry.path().filename().string().find(SaveTransaction::Suffix()) != std::string::npos;
    return count;
}

// after a save cut short, the next one saves everything, leaves nothing of
// its own and removes nothing it did not make (a killed save's leftover)
void SaveAgain(const std::string& when, int leftBefore)
{
    EXPECT_TRUE(SaveGame().AllSaved()) << "the next save, " << when;
    EXPECT_EQ(NewFiles(when), 8) << when;
    EXPECT_EQ(Leftovers(), leftBefore) << "left over " << when;
}

}

TEST(SaveTransaction, FailedOrKilledAtAnyCallEveryFileStaysWholeAndFailuresAreReported)
{
    std::vector<std::string> calls;    // those of a save that meets no fault
    {
        TempDir dir;
        MakeGame();
        SaveAgain("without faults", 0);
        calls = faults.log;
        EXPECT_EQ(faults.folderSyncs, 7) << "every folder synced after the renames";
    }
    const auto rename = std::find(calls.begin(), calls.end(), "rename");
    const int firstRename = static_cast<int>(rename - calls.begin()) + 1;
    const int lastRename = static_cast<int>(calls.rend() - std::find(calls.rbegin(), calls.rend(), "rename"));
    EXPECT_EQ(std::count(calls.begin(), rename, "fsync"), 8)
        << "each new file is synced before the first one replaces an old one";
    EXPECT_EQ(std::count(rename, calls.end(), "fsync"), 7) << "and each folder after the renames";
    for (size_t k = 2; k < calls.size(); ++k)    // a write by anyone but root clears set-user-ID
        EXPECT_TRUE(calls[k] != "fchmod" || (calls[k - 1] == "fchown" && calls[k - 2] == "write")) << k;

    for (int n = 1; n <= static_cast<int>(calls.size()); ++n)
    {
        TempDir dir;
        MakeGame();
        Faults plan;
        plan.failAt = n;
        const SaveTransaction::Result result = SaveGame(plan);
        std::string when = "by a failed " + calls[n - 1] + " (call " + std::to_string(n) + ")";
        const int saved = NewFiles(when, &result);
        if (n < firstRename && calls[n - 1] == "open")    // a temporary file not created
            EXPECT_EQ(saved, n == 1 ? 0 : 7) << "config.txt takes every list with it, a list only itself " << when;
        else if (n < firstRename)
            EXPECT_EQ(saved, 0) << "a file was replaced " << when;
        if (n == firstRename)
            EXPECT_EQ(saved, 0) << "config.txt is renamed first, and its failure stops the others " << when;
        EXPECT_EQ(result.foldersSynced, n <= lastRename) << when;
        EXPECT_EQ(Leftovers(), 0) << when;
        SaveAgain(when, 0);

        MakeGame();
        plan = {};
        plan.crashAt = n;
        EXPECT_EQ(InChildren({[&] { return SaveGame(plan).AllSaved(); }}), std::vector<int>{killed}) << "no kill at call " << n;
        when = "by a kill before " + calls[n - 1] + " (call " + std::to_string(n) + ")";
        EXPECT_EQ(NewFiles(when) > 0, n > firstRename) << "a file was replaced " << when;
        SaveAgain(when, Leftovers());
    }

    TempDir dir;    // and a write past the file-size limit fails like any other
    MakeGame();
    const std::vector<int> status = InChildren({[] {
        const rlimit limit = {1000, 1000};    // above the old files, below the new ones
        return setrlimit(RLIMIT_FSIZE, &limit) == 0 && !SaveGame().AllSaved();
    }});
    EXPECT_EQ(status, std::vector<int>{0}) << "1: it said it saved; above 128: killed by a signal";
    EXPECT_EQ(NewFiles("by the file-size limit"), 0);
    EXPECT_EQ(Leftovers(), 0);
}

// One save of files of every kind. Refused: folders, a link loop, a FIFO, a file without write bits (root
// too), a file added before under another name. Left out: a file without a temporary file. Saved: the others,
// a link staying a link, a replaced file keeping its mode, owner and group; files named like temporary files
// are neither followed nor removed.
TEST(SaveTransaction, RefusesWhatIsNoFileAndKeepsModeOwnerAndLinks)
{
    using Failure = SaveTransaction::Failure;
    const struct { const wchar_t* path; int error; } refused[] = {
        {L".\\", EISDIR}, {L"Data/", EISDIR}, {L"Data\\", EISDIR}, {L"Data", EISDIR}, {L"Data/..", EISDIR},
        {L"folder-link", EISDIR}, {L"", EISDIR}, {L"loop", ELOOP}, {L"fifo", EINVAL}, {L"read-only.txt", EACCES},
        {L"Data/../config.txt", EEXIST}, {L"hard-link.txt", EEXIST}, {L".\\CONFIG.TXT", EEXIST},
        {L"Missing/list.txt", ENOENT}, {L"Data/datacf.txt", EACCES},    // no temporary file there
    };
    const auto told = [](const SaveTransaction::NotSaved& file) {
        return file.path.utf8_string() + ": " + std::to_string(static_cast<int>(file.why)) + " " +
               strerror(file.error);
    };
    TempDir dir;
    MakeGame();
    WriteFile("Data/real.txt", "old\n");
    WriteFile("precious.txt", "precious\n");
    WriteFile("read-only.txt", "kept\n");
    WriteFile("Data/.real.txt.abcdef.ringvald-save", "kept\n");
    // only root can give a file away; anyone else checks with their own ids
    const uid_t owner = geteuid() == 0 ? 1234 : geteuid();
    const gid_t group = geteuid() == 0 ? 5678 : getegid();
    ASSERT_EQ(chown("Data/real.txt", owner, group), 0);
    ASSERT_EQ(chmod("Data/real.txt", 04751) | chmod("read-only.txt", 0444), 0);    // after chown
    ASSERT_EQ(symlink("Data", "folder-link") | link("config.txt", "hard-link.txt") | symlink("loop", "loop") |
              symlink("Data/real.txt", "link.txt") | symlink("Data/created.txt", "dangling.txt") |
              mkfifo("fifo", 0666) | symlink("../precious.txt", "Data/.real.txt.ringvald-save"), 0);
    faults = {};
    faults.failName = ".datacf.txt.";
    SaveTransaction save(faulty);
    save.Add(L"config.txt", "new\n");
    save.Add(L"link.txt", "linked\n");
    save.Add(L"dangling.txt", "created\n");
    save.Add(L"caf\U00100083.txt", "bytes\n");    // a Shift-JIS lead byte in the name
    std::vector<std::string> expected, failed;
    for (const auto& [path, error] : refused)
    {
        save.Add(path, "list\n");
        const bool left = error == ENOENT || (error == EACCES && path[0] == L'D');
        expected.push_back(told({path, left ? Failure::NoTemporaryFile : Failure::Refused, error}));
    }
    const mode_t mask = umask(027);
    const SaveTransaction::Result result = save.Commit();
    umask(mask);

    for (const SaveTransaction::NotSaved& file : result.notSaved)
        failed.push_back(told(file));
    EXPECT_EQ(failed, expected);
    EXPECT_TRUE(result.foldersSynced);
    EXPECT_EQ(ReadFile("config.txt") + ReadFile("Data/real.txt") + ReadFile("Data/created.txt") +
              ReadFile("caf\x83.txt") + ReadFile("precious.txt") + ReadFile("Data/datacf.txt") +
              ReadFile("read-only.txt") + ReadFile("Data/.real.txt.abcdef.ringvald-save"),
              "new\nlinked\ncreated\nbytes\nprecious\n" + OldBytes("Data/datacf.txt") + "kept\nkept\n");
    EXPECT_TRUE(std::filesystem::is_directory("Data") && !FileExists("Missing"));
    struct stat link = {}, dangling = {}, kept = {}, created = {};
    ASSERT_EQ(lstat("link.txt", &link) | lstat("dangling.txt", &dangling) | stat("Data/real.txt", &kept) |
              stat("Data/created.txt", &created), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode) && S_ISLNK(dangling.st_mode)) << "a link stays a link";
    EXPECT_EQ(kept.st_mode & 07777, 04751u);
    EXPECT_TRUE(kept.st_uid == owner && kept.st_gid == group) << kept.st_uid << ":" << kept.st_gid;
    EXPECT_EQ(created.st_mode & 07777, 0640u) << "a new file: 0666 less the umask";
    EXPECT_EQ(Leftovers(), 2) << "the two planted files, and nothing of the save's own";
}

// A listed path goes by the game's rules: "\" and "/" separate, "." and ".." go by name, a name matches in
// any letter case where it is not there as written; and it never leaves the game folder, by ".." or through a
// link, with the kernel's openat2 and with the walk alone.
TEST(GameFolder, ReachesTheFileTheGameReadsAndNeverLeavesTheFolder)
{
    using Kind = GamePlace::Kind;
    TempDir dir;
    for (const char* folder : {"game/BGM", "game/Two", "outside"})
        MakeDir(folder);
    for (const char* file : {"outside/replaycf.txt", "game/BGM/bgmcf.txt", "game/Two/a.txt", "game/Two/A.TXT"})
        WriteFile(file, "a list\n");
    ASSERT_EQ(chdir("game"), 0);
    ASSERT_EQ(symlink("../outside", "Ext") | symlink("BGM/bgmcf.txt", "inside-link") | symlink("/tmp", "absolute") |
              symlink("BGM", "bgm-link") | mkfifo("fifo", 0600), 0);
    for (int i = 1; i <= 41; ++i)    // l1 -> l2 -> ... -> l41 -> outside
        ASSERT_EQ(symlink(i < 41 ? ("l" + std::to_string(i + 1)).c_str() : "../outside/replaycf.txt",
                          ("l" + std::to_string(i)).c_str()), 0);
    const struct { const wchar_t* path; Kind kind; const char* reached; } cases[] = {
        {L"./BGM/bgmcf.txt", Kind::file, "BGM/bgmcf.txt"}, {L".\\BGM\\bgmcf.txt", Kind::file, "BGM/bgmcf.txt"},
        {L"./bgm/BGMCF.TXT", Kind::file, "BGM/bgmcf.txt"}, {L"./x/../BGM/bgmcf.txt", Kind::file, "BGM/bgmcf.txt"},
        {L"inside-link", Kind::file, "BGM/bgmcf.txt"}, {L"bgm-link/../BGM/bgmcf.txt", Kind::file, "BGM/bgmcf.txt"},
        {L"Two/a.txt", Kind::file, "Two/a.txt"}, {L"Two/A.txt", Kind::missing, "Two/A.txt"},
        {L"BGM/new.txt", Kind::missing, "BGM/new.txt"}, {L"fifo", Kind::special, "fifo"},
        {L"BGM\\", Kind::folder, ""}, {L"nothere/x.txt", Kind::unreachable, ""},
        {L"./nothere/../Ext/replaycf.txt", Kind::outside, ""}, {L"../outside/replaycf.txt", Kind::outside, ""},
        {L"/etc/passwd", Kind::outside, ""}, {L"absolute/x", Kind::outside, ""}, {L"l1", Kind::unreachable, ""},
        {L"l2", Kind::outside, ""},
    };
    for (const bool openat2 : {true, false})
    {
        GameFolder::UseOpenat2(openat2);
        for (const auto& c : cases)
        {
            const GamePlace place = GameFolder().Place(c.path);
            EXPECT_EQ(place.kind, c.kind) << wxString(c.path) << (openat2 ? " openat2" : " walk");
            if (c.reached[0])
                EXPECT_EQ((place.route.empty() ? "" : place.route + "/") + place.name, c.reached) << wxString(c.path);
            EXPECT_EQ(GameFolder().OpenToRead(c.path, false).IsOpen(), c.kind == Kind::file) << wxString(c.path);
        }
    }
    GameFolder::UseOpenat2(true);
    EXPECT_EQ(GameFolder().Place(L"../outside/replaycf.txt", true).kind, Kind::file) << "picked: it may leave";
    EXPECT_TRUE(GamePath::SameNames(L"..\\outside\\x.txt", L"./../outside/./x.txt"));
}
