#include "settings/SaveTransaction.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/GamePath.h"

namespace
{
// A write past the file-size limit must fail like any other write error
// instead of killing the program with SIGXFSZ.
void IgnoreFileSizeSignal()
{
    static const bool ignored = [] {
        struct sigaction action = {};
        action.sa_handler = SIG_IGN;
        return sigaction(SIGXFSZ, &action, nullptr) == 0;
    }();
    (void)ignored;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}
}

// ---- adding files ----------------------------------------------------------

SaveTransaction::SaveTransaction(const FileSystemCalls& calls)
    : calls(calls)
{
}

void SaveTransaction::Add(const wxString& path, std::string bytes)
{
    Pending file;
    file.path = path;
    file.bytes = std::move(bytes);
    files.push_back(std::move(file));
}

// ---- the save --------------------------------------------------------------

SaveTransaction::Result SaveTransaction::Commit()
{
    IgnoreFileSizeSignal();
    std::vector<Pending> batch;
    batch.swap(files);

    // every temporary file written and synced, or none kept
    bool writeFailed = false;
    for (size_t i = 0; i < batch.size() && !writeFailed; ++i)
    {
        Pending& file = batch[i];
        if (!Prepare(file, batch))
            continue;
        const int fd = CreateTemporary(file);
        if (fd < 0)
            continue;
        if (const int error = WriteTemporary(file, fd))
        {
            file.Fail(Failure::WriteFailed, error);
            writeFailed = true;
        }
    }
    if (writeFailed)
    {
        for (Pending& file : batch)
        {
            Discard(file);
            if (!file.failed)
                file.Fail(Failure::Abandoned, 0);
        }
    }

    // then the new files take the old ones' places; one that cannot (an I/O
    // error) keeps its old contents, and the others still go ahead, since
    // what was renamed already cannot be taken back
    std::vector<std::string> folders;
    for (Pending& file : batch)
    {
        if (file.temporary.empty())
            continue;
        if (calls.rename(file.temporary.c_str(), file.target.c_str()) != 0)
        {
            file.Fail(Failure::RenameFailed, errno);
            Discard(file);
            continue;
        }
        file.temporary.clear();
        const std::string folder = FolderOf(file.target);
        if (std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    }

    Result result;
    for (const std::string& folder : folders)
        result.foldersSynced = SyncFolder(folder) && result.foldersSynced;
    for (const Pending& file : batch)
    {
        if (file.failed)
            result.notSaved.push_back(file.failure);
    }
    return result;
}

// ---- one file --------------------------------------------------------------

bool SaveTransaction::Prepare(Pending& file, const std::vector<Pending>& batch)
{
    int refusal = 0;
    struct stat status;
    if (GamePath::NamesFolder(file.path))
        refusal = EISDIR;
    else
    {
        file.resolved = GamePath::Resolve(file.path);
        file.target = GamePath::ToBytes(file.resolved);
        file.replacing = lstat(file.target.c_str(), &status) == 0;
        if (file.replacing && S_ISLNK(status.st_mode))
            refusal = ELOOP;    // a link that never ends in a file
        else if (file.replacing && !S_ISREG(status.st_mode))
            refusal = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        else if (file.replacing && faccessat(AT_FDCWD, file.target.c_str(), W_OK, AT_EACCESS) != 0)
            refusal = errno;    // a read-only file stays as the user made it
    }
    // one file under two names is saved once, as the first one added
    for (const Pending* other = batch.data(); refusal == 0 && other != &file; ++other)
    {
        if (!other->resolved.empty() && GamePath::SameFile(other->resolved, file.resolved))
            refusal = EEXIST;
    }
    if (refusal != 0)
    {
        file.Fail(Failure::Refused, refusal);
        return false;
    }
    if (file.replacing)
    {
        file.mode = status.st_mode & 07777;
        file.owner = status.st_uid;
        file.group = status.st_gid;
    }
    return true;
}

int SaveTransaction::CreateTemporary(Pending& file)
{
    const std::string temporary =
        FolderOf(file.target) + "/." + NameOf(file.target) + Suffix();
    // the fixed name finds what a killed save left behind
    calls.unlink(temporary.c_str());
    const int fd = calls.open(temporary.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              file.replacing ? 0600 : 0666);
    if (fd < 0)
    {
        file.Fail(Failure::NoTemporaryFile, errno);
        return -1;
    }
    file.temporary = temporary;
    return fd;
}

int SaveTransaction::WriteTemporary(const Pending& file, int fd)
{
    int error = 0;
    const char* data = file.bytes.data();
    size_t left = file.bytes.size();
    while (error == 0 && left > 0)
    {
        const ssize_t done = calls.write(fd, data, left);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            error = done < 0 ? errno : EIO;
        else
        {
            data += done;
            left -= static_cast<size_t>(done);
        }
    }
    // The old file's owner and mode come last: a write clears the set-user-ID
    // and set-group-ID bits, and so does a change of owner.
    if (error == 0 && file.replacing && calls.fchown(fd, file.owner, file.group) != 0 &&
        errno != EPERM && errno != EINVAL)    // not ours to give: the file stays ours
        error = errno;
    if (error == 0 && file.replacing && calls.fchmod(fd, file.mode) != 0)
        error = errno;
    if (error == 0 && calls.fsync(fd) != 0)
        error = errno;
    // a file system may report a lost write only when the file is closed
    if (calls.close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

void SaveTransaction::Discard(Pending& file)
{
    if (!file.temporary.empty())
        calls.unlink(file.temporary.c_str());
    file.temporary.clear();
}

bool SaveTransaction::SyncFolder(const std::string& folder)
{
    const int fd = calls.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool synced = calls.fsync(fd) == 0;
    return calls.close(fd) == 0 && synced;
}
