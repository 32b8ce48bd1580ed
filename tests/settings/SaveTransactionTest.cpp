// A save of config.txt and its seven lists as one unit: failed or killed at
// every call that changes the disk, each file is left whole, old or new. And
// where a save may write: one file under two names, and paths that leave the
// game directory.
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
    std::string failPath;       // or fail every call on this path with EACCES
    std::vector<std::string> log;
    std::set<std::string> folders;    // opened to be synced
} faults;
const int killed = 77;    // the exit status of a save ended at faults.crashAt

bool Strike(const char* call, const char* path = "")
{
    faults.log.push_back(call);
    if (++faults.calls == faults.crashAt)
        _exit(killed);
    errno = faults.failPath.empty() ? EIO : EACCES;
    return faults.calls == faults.failAt || (!faults.failPath.empty() && faults.failPath == path);
}

// Only the process dies in these tests, never the machine: syncs are noted
// and failed, but not made, which keeps the tests quick.
const FileSystemCalls faulty = {
    [](const char* path, int flags, mode_t mode) {
        if (flags & O_DIRECTORY)
            faults.folders.insert(path);
        return Strike("open", path) ? -1 : FileSystemCalls::Posix().open(path, flags, mode);
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
    [](const char* from, const char* to) { return Strike("rename", to) ? -1 : rename(from, to); },
    [](const char* path) { return Strike("unlink", path) ? -1 : unlink(path); },
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

SaveTransaction::Result SaveGame(const Faults& plan = {})
{
    faults = plan;
    SaveTransaction save(faulty);
    for (const char* name : gameFiles)
        save.Add(wxString::FromUTF8(name), NewBytes(name));
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

// after a save cut short, the next one saves everything and cleans up
void SaveAgain(const std::string& when)
{
    EXPECT_TRUE(SaveGame().AllSaved()) << "the next save, " << when;
    EXPECT_EQ(NewFiles(when), 8) << when;
    EXPECT_EQ(Leftovers(), 0) << "left over " << when;
}

int RunChild(const std::function<int()>& body)
{
    const pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = -1;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
}

TEST(SaveTransaction, FailedOrKilledAtAnyCallEveryFileStaysWholeAndFailuresAreReported)
{
    std::vector<std::string> calls;    // those of a save that meets no fault
    {
        TempDir dir;
        MakeGame();
        SaveAgain("without faults");
        calls = faults.log;
        std::set<std::string> folders = {dir.Path()};
        for (const char* folder : gameFolders)
            folders.insert(dir.Path() + "/" + folder);
        EXPECT_EQ(faults.folders, folders) << "every folder synced after the renames";
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
            EXPECT_EQ(saved, 7) << "the others are still saved " << when;
        else if (n < firstRename && calls[n - 1] != "unlink")    // a leftover may stay
            EXPECT_EQ(saved, 0) << "a file was replaced " << when;
        EXPECT_EQ(result.foldersSynced, n <= lastRename) << when;
        SaveAgain(when);

        MakeGame();
        plan = {};
        plan.crashAt = n;
        EXPECT_EQ(RunChild([&] { SaveGame(plan); return 0; }), killed) << "no kill at call " << n;
        when = "by a kill before " + calls[n - 1] + " (call " + std::to_string(n) + ")";
        EXPECT_EQ(NewFiles(when) > 0, n > firstRename) << "a file was replaced " << when;
        SaveAgain(when);
    }

    TempDir dir;    // and a write past the file-size limit fails like any other
    MakeGame();
    const int status = RunChild([] {
        const rlimit limit = {1000, 1000};    // above the old files, below the new ones
        return setrlimit(RLIMIT_FSIZE, &limit) == 0 && !SaveGame().AllSaved() ? 0 : 1;
    });
    EXPECT_EQ(status, 0) << "1: it said it saved; above 128: killed by a signal";
    EXPECT_EQ(NewFiles("by the file-size limit"), 0);
    EXPECT_EQ(Leftovers(), 0);
}

// One save of files of every kind. Refused: folders, a link loop, a file
// added before under another name. Left out: a file without a temporary
// file. Saved: the others, a link staying a link, a replaced file keeping
// its mode, owner and group; a leftover planted as a link is not followed.
TEST(SaveTransaction, RefusesWhatIsNoFileAndKeepsModeOwnerAndLinks)
{
    using Failure = SaveTransaction::Failure;
    const struct { const wchar_t* path; int error; } refused[] = {
        {L".\\", EISDIR}, {L"Data/", EISDIR}, {L"Data\\", EISDIR}, {L"Data", EISDIR}, {L"Data/..", EISDIR},
        {L"folder-link", EISDIR}, {L"", EISDIR}, {L"loop", ELOOP}, {L"Data/../config.txt", EEXIST},
        {L"hard-link.txt", EEXIST}, {L"Missing/list.txt", ENOENT},
        {L"Data/datacf.txt", EACCES},    // a read-only folder, as it is for anyone but root
    };
    const auto told = [](const SaveTransaction::NotSaved& file) {
        return file.path.utf8_string() + ": " + std::to_string(static_cast<int>(file.why)) + " " +
               strerror(file.error);
    };
    TempDir dir;
    MakeGame();
    WriteFile("Data/real.txt", "old\n");
    WriteFile("precious.txt", "precious\n");
    // only root can give a file away; anyone else checks with their own ids
    const uid_t owner = geteuid() == 0 ? 1234 : geteuid();
    const gid_t group = geteuid() == 0 ? 5678 : getegid();
    ASSERT_EQ(chown("Data/real.txt", owner, group), 0);
    ASSERT_EQ(chmod("Data/real.txt", 04751), 0);    // after chown, which clears the set-user-ID bit
    ASSERT_EQ(symlink("Data", "folder-link") | link("config.txt", "hard-link.txt") | symlink("loop", "loop") |
              symlink("Data/real.txt", "link.txt") | symlink("Data/created.txt", "dangling.txt") |
              symlink("../precious.txt", "Data/.real.txt.ringvald-save"), 0);    // a planted leftover
    faults = {};
    faults.failPath = dir.Path() + "/Data/.datacf.txt" + SaveTransaction::Suffix();
    SaveTransaction save(faulty);
    save.Add(L"config.txt", "new\n");
    save.Add(L"link.txt", "linked\n");
    save.Add(L"dangling.txt", "created\n");
    save.Add(L"caf\U00100083.txt", "bytes\n");    // a Shift-JIS lead byte in the name
    std::vector<std::string> expected, failed;
    for (const auto& [path, error] : refused)
    {
        save.Add(path, "list\n");
        const bool left = error == ENOENT || error == EACCES;
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
              ReadFile("caf\x83.txt") + ReadFile("precious.txt") + ReadFile("Data/datacf.txt"),
              "new\nlinked\ncreated\nbytes\nprecious\n" + OldBytes("Data/datacf.txt"));
    EXPECT_TRUE(std::filesystem::is_directory("Data") && !FileExists("Missing"));
    struct stat link = {}, dangling = {}, kept = {}, created = {};
    ASSERT_EQ(lstat("link.txt", &link) | lstat("dangling.txt", &dangling) | stat("Data/real.txt", &kept) |
              stat("Data/created.txt", &created), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode) && S_ISLNK(dangling.st_mode)) << "a link stays a link";
    EXPECT_EQ(kept.st_mode & 07777, 04751u);
    EXPECT_TRUE(kept.st_uid == owner && kept.st_gid == group) << kept.st_uid << ":" << kept.st_gid;
    EXPECT_EQ(created.st_mode & 07777, 0640u) << "a new file: 0666 less the umask";
    EXPECT_EQ(Leftovers(), 0);
}

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
        EXPECT_EQ(GamePath::SameFile(test.first, test.second), test.same) << test.first << " " << test.second;
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

    // outside only where the user browsed to it, by any name
    EXPECT_TRUE(GamePath::MayHoldList(L"outside/picked.txt", L".", {L"/tmp/x/../picked.txt"}));
}
