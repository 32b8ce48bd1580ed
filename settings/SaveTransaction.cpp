#include "settings/SaveTransaction.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/GameFolder.h"

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

std::string RandomLetters()
{
    static std::mt19937 random(std::random_device{}() ^ static_cast<unsigned>(getpid()));
    const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string text(6, ' ');
    for (char& c : text)
        c = letters[random() % (sizeof letters - 1)];
    return text;
}

int Refusal(const GamePlace& place)
{
    switch (place.kind)
    {
    case GamePlace::Kind::folder: return EISDIR;
    case GamePlace::Kind::special:
    case GamePlace::Kind::unnamable: return EINVAL;
    case GamePlace::Kind::outside: return EXDEV;
    case GamePlace::Kind::unreachable: return place.error;
    case GamePlace::Kind::missing: return 0;
    case GamePlace::Kind::file: break;
    }
    return place.WriteRefusal();
}
}

// ---- adding files ----------------------------------------------------------

SaveTransaction::SaveTransaction(const FileSystemCalls& calls)
    : calls(calls)
{
}

void SaveTransaction::Add(const wxString& path, std::string bytes)
{
    Add(path, GameFolder().Place(path, true), std::move(bytes));
}

void SaveTransaction::Add(const wxString& path, GamePlace place, std::string bytes, bool required)
{
    Pending file;
    file.path = path;
    file.place = std::move(place);
    file.bytes = std::move(bytes);
    file.required = required;
    files.push_back(std::move(file));
}

// ---- the save --------------------------------------------------------------

SaveTransaction::Result SaveTransaction::Commit()
{
    IgnoreFileSizeSignal();
    std::vector<Pending> batch;
    batch.swap(files);

    // every temporary file written and synced, or none kept
    bool abandoned = false;
    for (size_t i = 0; i < batch.size() && !abandoned; ++i)
    {
        Pending& file = batch[i];
        if (!Prepare(file, batch))
            abandoned = file.required;
        else if (const int fd = CreateTemporary(file); fd < 0)
            abandoned = file.required;
        else if (const int error = WriteTemporary(file, fd))
        {
            file.Fail(Failure::WriteFailed, error);
            abandoned = true;
        }
    }
    if (abandoned)
        Abandon(batch);

    // then the new files take the old ones' places, the required ones first;
    // one that cannot (an I/O error) keeps its old contents, and the others
    // still go ahead, since what was renamed already cannot be taken back
    std::vector<std::shared_ptr<FileDescriptor>> folders;
    std::vector<std::pair<dev_t, ino_t>> seen;
    for (const bool required : {true, false})
        for (Pending& file : batch)
        {
            if (file.temporary.empty() || file.required != required)
                continue;
            const int folder = file.place.folder->Get();
            if (calls.renameat(folder, file.temporary.c_str(), folder, file.place.name.c_str()) != 0)
            {
                file.Fail(Failure::RenameFailed, errno);
                Discard(file);
                if (required)
                    Abandon(batch);
                continue;
            }
            file.temporary.clear();
            file.renamed = true;
            struct stat status = {};
            fstat(folder, &status);
            if (std::find(seen.begin(), seen.end(), std::make_pair(status.st_dev, status.st_ino)) == seen.end())
            {
                seen.push_back({status.st_dev, status.st_ino});
                folders.push_back(file.place.folder);
            }
        }

    Result result;
    for (const std::shared_ptr<FileDescriptor>& folder : folders)
        result.foldersSynced = SyncFolder(folder->Get()) && result.foldersSynced;
    for (const Pending& file : batch)
    {
        if (file.failed)
            result.notSaved.push_back(file.failure);
    }
    return result;
}

void SaveTransaction::Abandon(std::vector<Pending>& batch)
{
    for (Pending& file : batch)
    {
        Discard(file);
        if (!file.renamed && !file.failed)
            file.Fail(Failure::Abandoned, 0);
    }
}

// ---- one file --------------------------------------------------------------

bool SaveTransaction::Prepare(Pending& file, const std::vector<Pending>& batch)
{
    int refusal = Refusal(file.place);
    if (refusal == 0 && !file.place.HeldBeneath())
        refusal = errno == EXDEV ? EXDEV : ELOOP;
    if (refusal == ENOENT)    // a missing folder: there is no place for a temporary file
    {
        file.Fail(Failure::NoTemporaryFile, refusal);
        return false;
    }
    // one file under two names is saved once, as the first one added
    for (const Pending* other = batch.data(); refusal == 0 && other != &file; ++other)
    {
        if (!other->failed && other->place.Id() == file.place.Id())
            refusal = EEXIST;
    }
    if (refusal != 0)
    {
        file.Fail(Failure::Refused, refusal);
        return false;
    }
    return true;
}

int SaveTransaction::CreateTemporary(Pending& file)
{
    const bool replacing = file.place.kind == GamePlace::Kind::file;
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        const std::string temporary = "." + file.place.name + "." + RandomLetters() + Suffix();
        const int fd = calls.openat(file.place.folder->Get(), temporary.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                    replacing ? 0600 : 0666);
        if (fd >= 0)
        {
            file.temporary = temporary;
            return fd;
        }
        if (errno != EEXIST)
            break;
    }
    file.Fail(Failure::NoTemporaryFile, errno);
    return -1;
}

int SaveTransaction::WriteTemporary(const Pending& file, int fd)
{
    const bool replacing = file.place.kind == GamePlace::Kind::file;
    const struct stat& old = file.place.status;
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
    if (error == 0 && replacing && calls.fchown(fd, old.st_uid, old.st_gid) != 0 &&
        errno != EPERM && errno != EINVAL)    // not ours to give: the file stays ours
        error = errno;
    if (error == 0 && replacing && calls.fchmod(fd, old.st_mode & 07777) != 0)
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
        calls.unlinkat(file.place.folder->Get(), file.temporary.c_str(), 0);
    file.temporary.clear();
}

bool SaveTransaction::SyncFolder(int folder)
{
    const int fd = calls.openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool synced = calls.fsync(fd) == 0;
    return calls.close(fd) == 0 && synced;
}
