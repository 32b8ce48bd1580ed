// A save of config.txt and its seven lists as one unit: failed or killed at
// every call that changes the disk, each file is left whole, old or new.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <set>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "settings/SaveTransaction.h"
#include "support/TempDir.h"

namespace
{
// ---- the fault seam: every call counted, the n-th one failed or fatal ----

struct Faults
{
    int calls = 0;
    int failAt = 0;             // fail this call (1 is the first); 0: none
    int crashAt = 0;            // end the process just before this call
    std::string failPath;       // or fail every call on this path
    int error = EIO;
    std::vector<std::string> log;
    std::set<std::string> synced;    // what was synced after a rename
} faults;
int damagedFiles = 0;    // over all the tests

const int killed = 77;    // the exit status of a save ended at faults.crashAt

bool Strike(const char* call, const char* path = "")
{
    faults.log.push_back(call);
    if (++faults.calls == faults.crashAt)
        _exit(killed);
    errno = faults.error;
    return faults.calls == faults.failAt || (!faults.failPath.empty() && faults.failPath == path);
}

// Only the process dies in these tests, never the machine: syncs are noted
// and failed, but not made, which keeps the tests quick.
const FileSystemCalls faulty = {
    [](const char* path, int flags, mode_t mode) {
        return Strike("open", path) ? -1 : FileSystemCalls::Posix().open(path, flags, mode);
    },
    [](int fd, const void* data, size_t size) -> ssize_t {
        if (faults.calls + 1 == faults.crashAt)
            (void)write(fd, data, size / 2);    // killed half way through the file
        return Strike("write") ? -1 : write(fd, data, size);
    },
    [](int fd) {
        char path[4096] = {};
        if (std::count(faults.log.begin(), faults.log.end(), "rename") > 0 &&
            readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1) > 0)
            faults.synced.insert(path);
        return Strike("fsync") ? -1 : 0;
    },
    [](int fd, mode_t mode) { return Strike("fchmod") ? -1 : fchmod(fd, mode); },
    [](int fd, uid_t owner, gid_t group) { return Strike("fchown") ? -1 : fchown(fd, owner, group); },
    [](int fd) { return Strike("close") ? (close(fd), -1) : close(fd); },    // closed all the same
    [](const char* from, const char* to) { return Strike("rename", to) ? -1 : rename(from, to); },
    [](const char* path) { return Strike("unlink", path) ? -1 : unlink(path); },
};

// ---- a game directory ------------------------------------------------------

const std::string gameFiles[] = {"config.txt", "Replay/replaycf.txt", "Font/fontcf.txt",
    "Image/imagecf.txt", "BGM/bgmcf.txt", "SE/secf.txt", "Data/datacf.txt", "Data/thinkcf.txt"};
const char* const gameFolders[] = {"Replay", "Font", "Image", "BGM", "SE", "Data"};

std::string OldBytes(const std::string& name) { return "#old " + name + "\n" + std::string(900, 'o'); }
std::string NewBytes(const std::string& name) { return "#new " + name + "\n" + std::string(2000, 'n'); }

void MakeGame()
{
    for (const char* folder : gameFolders)
        MakeDir(folder);
    for (const std::string& name : gameFiles)
        WriteFile(name, OldBytes(name));
}

SaveTransaction::Result SaveGame(const Faults& plan = {})
{
    faults = plan;
    SaveTransaction save(faulty);
    for (const std::string& name : gameFiles)
        save.Add(wxString::FromUTF8(name.c_str()), NewBytes(name));
    return save.Commit();
}

// The game files now new; each file neither old nor new is a test failure,
// and so, given the save's result, is one new but reported or old but not.
int NewFiles(const std::string& when = "", const SaveTransaction::Result* result = nullptr)
{
    int saved = 0;
    for (const std::string& name : gameFiles)
    {
        const std::string bytes = ReadFile(name);
        saved += bytes == NewBytes(name);
        const bool reported = result && std::any_of(result->notSaved.begin(), result->notSaved.end(),
            [&](const SaveTransaction::NotSaved& file) { return file.path == wxString::FromUTF8(name.c_str()); });
        if (bytes != OldBytes(name) && bytes != NewBytes(name))
            ++damagedFiles, ADD_FAILURE() << name << " damaged " << when << ": " << bytes.substr(0, 40);
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
        EXPECT_EQ(faults.synced, folders) << "every folder synced after the renames";
    }
    const int firstRename = static_cast<int>(std::find(calls.begin(), calls.end(), "rename") - calls.begin()) + 1;
    const int lastRename = static_cast<int>(calls.rend() - std::find(calls.rbegin(), calls.rend(), "rename"));
    EXPECT_EQ(std::count(calls.begin(), calls.begin() + firstRename, "fsync"), 8)
        << "each new file is synced before the first one replaces an old one";
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
    std::cout << "[ faults   ] " << calls.size() << " calls each failed, then killed: "
              << damagedFiles << " files damaged\n";
}

TEST(SaveTransaction, RefusesFoldersAndLeavesOutFilesWithoutATemporaryFile)
{
    using Failure = SaveTransaction::Failure;
    const struct { const wchar_t* path; Failure why; int error; const char* failPath; } cases[] = {
        {L".\\", Failure::Refused, EISDIR, ""}, {L"Data/", Failure::Refused, EISDIR, ""},
        {L"Data\\", Failure::Refused, EISDIR, ""}, {L"Data", Failure::Refused, EISDIR, ""},
        {L"folder-link", Failure::Refused, EISDIR, ""}, {L"Data/..", Failure::Refused, EISDIR, ""},
        {L"", Failure::Refused, EISDIR, ""}, {L"loop", Failure::Refused, ELOOP, ""},
        {L"Data/../config.txt", Failure::Refused, EEXIST, ""}, {L"hard-link.txt", Failure::Refused, EEXIST, ""},
        {L"Missing/list.txt", Failure::NoTemporaryFile, ENOENT, ""},
        // a read-only folder, as it is for anyone but root
        {L"Data/datacf.txt", Failure::NoTemporaryFile, EACCES, "/Data/.datacf.txt.ringvald-save"},
    };
    for (const auto& test : cases)
    {
        TempDir dir;
        MakeGame();
        ASSERT_EQ(symlink("Data", "folder-link") | link("config.txt", "hard-link.txt") | symlink("loop", "loop"), 0);
        faults = {};
        faults.failPath = test.failPath[0] ? dir.Path() + test.failPath : "";
        faults.error = EACCES;
        SaveTransaction save(faulty);
        save.Add(L"config.txt", "new\n");
        save.Add(test.path, "list\n");
        const SaveTransaction::Result result = save.Commit();

        ASSERT_EQ(result.notSaved.size(), 1u) << test.path;
        const SaveTransaction::NotSaved& failure = result.notSaved[0];
        EXPECT_TRUE(failure.path == test.path && failure.why == test.why && failure.error == test.error)
            << test.path << L": " << static_cast<int>(failure.why) << L", " << strerror(failure.error);
        EXPECT_EQ(ReadFile("config.txt"), "new\n") << "the other file is saved: " << test.path;
        EXPECT_TRUE(std::filesystem::is_directory("Data") && !FileExists("Missing")) << test.path;
        EXPECT_EQ(ReadFile("Data/datacf.txt"), OldBytes("Data/datacf.txt")) << test.path;
        EXPECT_EQ(Leftovers(), 0) << test.path;
    }
}

TEST(SaveTransaction, KeepsModeOwnerAndLinksAndIgnoresWhatAKilledSaveLeftBehind)
{
    TempDir dir;
    MakeDir("real");
    WriteFile("real/config.txt", "old\n");
    WriteFile("precious.txt", "precious\n");
    // only root can give a file away; anyone else checks with their own ids
    const uid_t owner = geteuid() == 0 ? 1234 : geteuid();
    const gid_t group = geteuid() == 0 ? 5678 : getegid();
    ASSERT_EQ(chown("real/config.txt", owner, group), 0);
    ASSERT_EQ(chmod("real/config.txt", 04751), 0);    // after chown, which clears the set-user-ID bit
    ASSERT_EQ(symlink("real/config.txt", "config.txt") | symlink("real/created.txt", "dangling.txt") |
              symlink("../precious.txt", "real/.config.txt.ringvald-save"), 0);    // a planted leftover
    const mode_t mask = umask(027);
    SaveTransaction save;
    save.Add(L"config.txt", "new\n");
    save.Add(L"dangling.txt", "created\n");
    save.Add(L"caf\U00100083.txt", "bytes\n");    // a Shift-JIS lead byte in the name
    const SaveTransaction::Result result = save.Commit();
    umask(mask);

    EXPECT_TRUE(result.AllSaved() && result.foldersSynced);
    EXPECT_EQ(ReadFile("real/config.txt") + ReadFile("real/created.txt") + ReadFile("caf\x83.txt") +
              ReadFile("precious.txt"), "new\ncreated\nbytes\nprecious\n");
    struct stat status = {};
    EXPECT_TRUE(lstat("config.txt", &status) == 0 && S_ISLNK(status.st_mode)) << "the link stays a link";
    EXPECT_TRUE(lstat("dangling.txt", &status) == 0 && S_ISLNK(status.st_mode));
    ASSERT_EQ(stat("real/config.txt", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 04751u);
    EXPECT_TRUE(status.st_uid == owner && status.st_gid == group) << status.st_uid << ":" << status.st_gid;
    ASSERT_EQ(stat("real/created.txt", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u) << "a new file: 0666 less the umask";
    EXPECT_EQ(Leftovers(), 0);
}

TEST(SaveTransaction, AWritePastTheFileSizeLimitFailsAndChangesNothing)
{
    TempDir dir;
    MakeGame();
    const int status = RunChild([] {
        const rlimit limit = {1000, 1000};    // above the old files, below the new ones
        setrlimit(RLIMIT_FSIZE, &limit);
        return SaveGame().AllSaved() ? 1 : 0;
    });
    EXPECT_EQ(status, 0) << "1: it said it saved; above 128: killed by a signal";
    EXPECT_EQ(NewFiles("by the file-size limit"), 0);
    EXPECT_EQ(Leftovers(), 0);
}
