#include "settings/GameFolder.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/file.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "settings/GamePath.h"

namespace
{
// as many links as the kernel follows in one path before it gives up
const int maxLinkHops = 40;

bool& Openat2Wanted()
{
    static bool wanted = true;
    return wanted;
}

bool KernelHasOpenat2()
{
    static const bool has = [] {
        open_how how = {};
        how.flags = O_PATH | O_CLOEXEC;
        how.resolve = RESOLVE_BENEATH;
        const long fd = syscall(SYS_openat2, AT_FDCWD, ".", &how, sizeof how);
        if (fd >= 0)
            close(static_cast<int>(fd));
        return fd >= 0 || (errno != ENOSYS && errno != EPERM);
    }();
    return has;
}

// `path` from `start`, never above it and through no link
int OpenBeneath(int start, const std::string& path, int flags)
{
    open_how how = {};
    how.flags = static_cast<unsigned>(flags | O_CLOEXEC);
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    return static_cast<int>(syscall(SYS_openat2, start, path.c_str(), &how, sizeof how));
}

std::vector<std::string> SlashNames(const std::string& path)
{
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= path.size())
    {
        const size_t end = std::min(path.find('/', start), path.size());
        if (end > start)
            names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

std::string WorkingDirectory()
{
    std::vector<char> buffer(PATH_MAX);
    while (!getcwd(buffer.data(), buffer.size()))
    {
        if (errno != ERANGE)
            return std::string();
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string ReadLinkAt(int folder, const std::string& name)
{
    std::vector<char> buffer(PATH_MAX);
    const ssize_t length = readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
    return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string();
}

// the one entry of the folder equal to `name` ignoring the case of ASCII
// letters; empty when there is none, or more than one
std::string MatchIgnoringCase(int folder, const std::string& name)
{
    const int fd = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = fd >= 0 ? fdopendir(fd) : nullptr;
    if (!entries)
    {
        if (fd >= 0)
            close(fd);
        return std::string();
    }
    std::string found;
    int matches = 0;
    while (const dirent* entry = readdir(entries))
        if (GamePath::EqualIgnoringCase(entry->d_name, name) && ++matches == 1)
            found = entry->d_name;
    closedir(entries);
    return matches == 1 ? found : std::string();
}

struct Walk
{
    bool confined;
    std::vector<std::pair<std::shared_ptr<FileDescriptor>, std::string>> folders;    // from the start

    GamePlace Ended(GamePlace::Kind kind, int error = 0)
    {
        GamePlace place;
        place.kind = kind;
        place.error = error;
        return place;
    }

    GamePlace At(const std::string& name, GamePlace::Kind kind, const struct stat& status)
    {
        GamePlace place = Ended(kind);
        place.folder = folders.back().first;
        place.start = folders.front().first;
        for (size_t i = 1; i < folders.size(); ++i)
            place.route += (i > 1 ? "/" : "") + folders[i].second;
        place.name = name;
        place.status = status;
        return place;
    }

    GamePlace Go(std::deque<std::string> todo)
    {
        int hops = 0;
        struct stat status = {};
        std::string name;
        while (!todo.empty())
        {
            name = todo.front();
            todo.pop_front();
            if (name.empty() || name == ".")
                continue;
            if (name == "..")
            {
                if (folders.size() > 1)
                    folders.pop_back();
                else if (confined)
                    return Ended(GamePlace::Kind::outside);
                continue;
            }
            const int folder = folders.back().first->Get();
            if (fstatat(folder, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
            {
                const int error = errno;
                const std::string other = error == ENOENT ? MatchIgnoringCase(folder, name) : std::string();
                if (other.empty() && error == ENOENT && todo.empty())
                    return At(name, GamePlace::Kind::missing, {});
                if (other.empty() || fstatat(folder, other.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0)
                    return Ended(GamePlace::Kind::unreachable, other.empty() ? error : errno);
                name = other;
            }
            if (S_ISLNK(status.st_mode))
            {
                const std::string target = ReadLinkAt(folder, name);
                if (++hops > maxLinkHops || target.empty())
                    return Ended(GamePlace::Kind::unreachable, target.empty() ? ENOENT : ELOOP);
                if (target[0] == '/')
                {
                    if (confined)
                        return Ended(GamePlace::Kind::outside);
                    folders.resize(1);
                }
                const std::vector<std::string> names = SlashNames(target);
                todo.insert(todo.begin(), names.begin(), names.end());
                if (names.empty())
                    todo.push_front(".");
                continue;
            }
            if (todo.empty())
                break;
            if (!S_ISDIR(status.st_mode))
                return Ended(GamePlace::Kind::unreachable, ENOTDIR);
            const int next = openat(folder, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0)
                return Ended(GamePlace::Kind::unreachable, errno);
            folders.push_back({std::make_shared<FileDescriptor>(next), name});
        }
        if (name.empty() || name == "." || name == "..")
        {    // the names ran out in a folder: the place is that folder
            GamePlace place = Ended(GamePlace::Kind::folder);
            place.folder = folders.back().first;
            place.name = ".";
            fstat(place.folder->Get(), &place.status);
            return place;
        }
        if (S_ISREG(status.st_mode))
            return At(name, GamePlace::Kind::file, status);
        return At(name, S_ISDIR(status.st_mode) ? GamePlace::Kind::folder : GamePlace::Kind::special, status);
    }
};
}

GamePlace::Identity GamePlace::Id() const
{
    Identity id;
    if (kind == Kind::missing && folder)
    {
        struct stat folderStatus = {};
        fstat(folder->Get(), &folderStatus);
        id.device = folderStatus.st_dev;
        id.inode = folderStatus.st_ino;
        for (char c : name)
            id.name += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    else if (Exists())
    {
        id.device = status.st_dev;
        id.inode = status.st_ino;
    }
    return id;
}

bool GamePlace::HeldBeneath()
{
    if (!folder || !start || route.empty() || !GameFolder::UsesOpenat2())
        return true;
    // the kernel's own word that the folder lies beneath the start, through no link
    const int fd = OpenBeneath(start->Get(), route, O_PATH | O_DIRECTORY);
    if (fd < 0)
        return false;
    folder = std::make_shared<FileDescriptor>(fd);
    return true;
}

int GamePlace::WriteRefusal() const
{
    if (kind != Kind::file)
        return 0;
    if ((status.st_mode & 0222) == 0)
        return EACCES;
    return faccessat(folder->Get(), name.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
}

GameFolder::GameFolder() = default;

const std::shared_ptr<FileDescriptor>& GameFolder::Root() const
{
    if (!root)
        root = std::make_shared<FileDescriptor>(open(".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    return root;
}

GamePlace GameFolder::Place(const wxString& path, bool mayLeave) const
{
    const GamePath::Names split = GamePath::Split(path);
    Walk walk{!mayLeave, {}};
    if (split.unnamable)
        return walk.Ended(GamePlace::Kind::unnamable);
    if (!Root()->IsOpen())
        return walk.Ended(GamePlace::Kind::unreachable, EBADF);
    std::deque<std::string> todo(split.names.begin(), split.names.end());
    if (mayLeave && !split.absolute)
    {    // from the game folder first: only a path that leaves it walks from the root
        GamePlace inside = Place(path, false);
        if (inside.kind != GamePlace::Kind::outside)
            return inside;
    }
    if (mayLeave)
    {
        walk.folders.push_back({std::make_shared<FileDescriptor>(open("/", O_PATH | O_DIRECTORY | O_CLOEXEC)), ""});
        if (!split.absolute)
        {
            const std::vector<std::string> here = SlashNames(WorkingDirectory());
            todo.insert(todo.begin(), here.begin(), here.end());
        }
    }
    else if (split.absolute)
        return walk.Ended(GamePlace::Kind::outside);
    else
        walk.folders.push_back({Root(), ""});
    GamePlace place = walk.Go(std::move(todo));
    if (split.folder && place.kind != GamePlace::Kind::outside && place.kind != GamePlace::Kind::unreachable)
        place.kind = GamePlace::Kind::folder;
    return place;
}

FileDescriptor GameFolder::OpenToRead(const wxString& path, bool mayLeave, GamePlace* where) const
{
    FileDescriptor file;
    const GamePath::Names split = GamePath::Split(path);
    if (UsesOpenat2() && !split.unnamable && !split.folder && !split.absolute && split.names[0] != "..")
    {    // the kernel alone, links inside followed, for a file there as written
        std::string names;
        for (const std::string& name : split.names)
            names += (names.empty() ? "" : "/") + name;
        open_how how = {};
        how.flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
        file = FileDescriptor(static_cast<int>(syscall(SYS_openat2, AT_FDCWD, names.c_str(), &how, sizeof how)));
        struct stat status = {};
        if (file.IsOpen() && fstat(file.Get(), &status) == 0 && S_ISREG(status.st_mode))
        {
            if (where)
            {
                *where = GamePlace();
                where->kind = GamePlace::Kind::file;
                where->status = status;
            }
            return file;
        }
        file = FileDescriptor();    // the walk tells what it is instead
    }
    GamePlace place = Place(path, mayLeave);
    if (place.kind == GamePlace::Kind::file)
    {
        const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC;
        if (Openat2Wanted() && KernelHasOpenat2())
        {
            const std::string route = place.route.empty() ? place.name : place.route + "/" + place.name;
            file = FileDescriptor(OpenBeneath(place.start->Get(), route, flags));
        }
        else
            file = FileDescriptor(openat(place.folder->Get(), place.name.c_str(), flags));
        struct stat status = {};
        if (!file.IsOpen())
            place.error = errno;
        else if (fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        {
            place.kind = GamePlace::Kind::special;
            file = FileDescriptor();
        }
        else
            place.status = status;
    }
    if (where)
        *where = std::move(place);
    return file;
}

FileDescriptor GameFolder::Lock(int seconds) const
{
    FileDescriptor folder(openat(Root()->Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (folder.IsOpen() && flock(folder.Get(), LOCK_EX | LOCK_NB) != 0)
    {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > until)
            return FileDescriptor();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return folder;
}

void GameFolder::UseOpenat2(bool use)
{
    Openat2Wanted() = use;
}

bool GameFolder::UsesOpenat2()
{
    return Openat2Wanted() && KernelHasOpenat2();
}
