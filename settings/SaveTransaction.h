// One save of several files as one unit: config.txt and its list files.
//
// Each file's new contents go to a temporary file beside it, with a name of
// its own (".config.txt.<six random letters>.ringvald-save", created
// exclusively, so no other file is ever taken for it), and are synced to the
// disk. Only when every temporary file is written and synced are they
// renamed over their files, the required ones (the document) first, and
// then the folders are synced. So:
// - a save that fails (disk full, file-size limit, I/O error) or is killed
//   while the new contents are being written leaves every file as it was;
// - a required file that cannot be saved takes every other file with it:
//   none is renamed, or none after it;
// - a save killed while renaming leaves each file whole, old or new, and
//   a file whose rename fails keeps its old contents while the others are
//   renamed (what was renamed cannot be taken back);
// - a target is never truncated or written in place. A file whose
//   temporary file cannot be created (a read-only or missing folder, no
//   inodes left) is left out and reported, and the others are still saved
//   together, unless it is required.
// A save removes only the temporary files it created itself; one killed
// between creating its temporary file and renaming it leaves that hidden
// file behind, whole, and nothing else touches it.
//
// A replaced file keeps its mode, and its owner and group where the process
// may give them (so a save by root leaves a user's files the user's). A new
// file gets 0666 less the umask. A symbolic link is written through and
// stays a link; a dangling one creates the file it points to.
//
// Refused outright: a path that names a folder, one that reaches something
// other than a regular file, one that leaves the folder it may not leave, a
// file without write permission (none of its write bits set refuses it even
// for root), and a file already added under another name (the first one
// added is saved). Committing ignores SIGXFSZ for the whole process, so a
// write past the file-size limit (ulimit -f) fails instead of killing it.
#pragma once

#include <string>
#include <vector>
#include <wx/string.h>

#include "settings/FileSystemCalls.h"
#include "settings/GamePlace.h"

class SaveTransaction
{
public:
    enum class Failure
    {
        Refused,            // a folder, not a regular file, outside, read-only, or added twice
        NoTemporaryFile,    // its temporary file could not be created
        WriteFailed,        // writing or syncing its temporary file failed: nothing was saved
        Abandoned,          // another file's failure stopped the save
        RenameFailed        // its temporary file could not replace it
    };

    struct NotSaved
    {
        wxString path;      // as it was added
        Failure why = Failure::Refused;
        // the errno of the failed call; for a refusal EISDIR (a folder),
        // EINVAL (not a regular file, or a NUL in the name), EXDEV (outside),
        // ELOOP (links without end), EACCES or EROFS (read-only), EEXIST
        // (added twice); 0 when abandoned
        int error = 0;
    };

    struct Result
    {
        std::vector<NotSaved> notSaved;    // in the order the files were added
        bool foldersSynced = true;         // false: the renames may not survive a power cut
        bool AllSaved() const { return notSaved.empty(); }
    };

    explicit SaveTransaction(const FileSystemCalls& calls = FileSystemCalls::Posix());

    // a file to save where the path leads, anywhere (GameFolder::Place with
    // mayLeave), and its whole new contents
    void Add(const wxString& path, std::string bytes);
    // a file to save at a place already found; `path` names it in the result
    void Add(const wxString& path, GamePlace place, std::string bytes, bool required = false);

    // saves every file added since the last Commit
    Result Commit();

    // the end of the temporary files' names
    static const char* Suffix() { return ".ringvald-save"; }

private:
    struct Pending
    {
        wxString path;
        std::string bytes;
        GamePlace place;
        bool required = false;
        std::string temporary;    // in the place's folder; empty while there is none
        bool renamed = false;
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
    // every file not yet renamed is given up
    void Abandon(std::vector<Pending>& batch);
    bool SyncFolder(int folder);

    FileSystemCalls calls;
    std::vector<Pending> files;
};
