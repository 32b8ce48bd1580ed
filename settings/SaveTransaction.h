// One save of several files as one unit: config.txt and its list files.
//
// Each file's new contents go to a temporary file beside it, with a fixed
// hidden name (".config.txt.ringvald-save"), and are synced to the disk.
// Only when every temporary file is written and synced are they renamed
// over their files, one after another, and then the folders are synced.
// So:
// - a save that fails (disk full, file-size limit, I/O error) or is killed
//   while the new contents are being written leaves every file as it was;
// - a save killed while renaming leaves each file whole, old or new, and
//   a file whose rename fails keeps its old contents while the others are
//   renamed (what was renamed cannot be taken back);
// - a target is never truncated or written in place. A file whose
//   temporary file cannot be created (a read-only or missing folder, no
//   inodes left) is left out and reported, and the others are still saved
//   together: a save that keeps what it can is better than one that keeps
//   nothing, and the files left out keep their old contents whole.
//
// A replaced file keeps its mode, and its owner and group where the process
// may give them (so a save by root leaves a user's files the user's). A new
// file gets 0666 less the umask. A symbolic link is written through and
// stays a link; a dangling one creates the file it points to. A temporary
// file left by a killed save is removed by the next save of its file.
//
// Refused outright: a path that names a folder (GamePath::NamesFolder), one
// that reaches something other than a regular file, a file without write
// permission, and a file already added under another name (the first one
// added is saved). Committing ignores SIGXFSZ for the whole process, so a
// write past the file-size limit (ulimit -f) fails instead of killing it.
#pragma once

#include <string>
#include <vector>
#include <wx/string.h>

#include "settings/FileSystemCalls.h"

class SaveTransaction
{
public:
    enum class Failure
    {
        Refused,            // a folder, not a regular file, read-only, or added twice
        NoTemporaryFile,    // its temporary file could not be created
        WriteFailed,        // writing or syncing its temporary file failed: nothing was saved
        Abandoned,          // another file's write failure stopped the save
        RenameFailed        // its temporary file could not replace it
    };

    struct NotSaved
    {
        wxString path;      // as it was added
        Failure why = Failure::Refused;
        // the errno of the failed call; for a refusal EISDIR (a folder),
        // EINVAL (not a regular file), ELOOP (a link loop), EACCES or EROFS
        // (read-only), EEXIST (added twice); 0 when abandoned
        int error = 0;
    };

    struct Result
    {
        std::vector<NotSaved> notSaved;    // in the order the files were added
        bool foldersSynced = true;         // false: the renames may not survive a power cut
        bool AllSaved() const { return notSaved.empty(); }
    };

    explicit SaveTransaction(const FileSystemCalls& calls = FileSystemCalls::Posix());

    // a file to save: its path (relative to the working directory, or
    // absolute) and its whole new contents
    void Add(const wxString& path, std::string bytes);

    // saves every file added since the last Commit
    Result Commit();

    // the suffix of the temporary files: ".<name>" + Suffix()
    static const char* Suffix() { return ".ringvald-save"; }

private:
    struct Pending
    {
        wxString path;
        std::string bytes;
        wxString resolved;        // the file finally written, links resolved
        std::string target;       // the same, as the file system knows it
        std::string temporary;    // empty while there is none
        bool replacing = false;   // the target exists: keep its mode, owner and group
        mode_t mode = 0;
        uid_t owner = 0;
        gid_t group = 0;
        bool failed = false;
        NotSaved failure;

        void Fail(Failure why, int error)
        {
            failed = true;
            failure = {path, why, error};
        }
    };

    // checks the target; false when it is refused
    bool Prepare(Pending& file, const std::vector<Pending>& batch);
    // the open temporary file, or -1
    int CreateTemporary(Pending& file);
    // fills, syncs and closes the temporary file; 0 or the errno of the
    // call that failed
    int WriteTemporary(const Pending& file, int fd);
    void Discard(Pending& file);
    bool SyncFolder(const std::string& folder);

    FileSystemCalls calls;
    std::vector<Pending> files;
};
