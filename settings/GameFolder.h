// The game folder, held by its descriptor: every file of a load, a save and
// a check is reached from it, and the kernel keeps a path from leaving it.
//
// A listed path goes name by name (GamePath::Split first): each name is
// looked up in the folder reached so far without following a link
// (O_NOFOLLOW), a name not there in its own letter case takes the one entry
// of that folder equal to it in any case, and a link is read and its target
// walked in turn, from the folder the link is in. A target that climbs above
// the game folder or starts at the root makes the path `outside`; more than
// 40 links make it unreachable (ELOOP), as the kernel would. Where the kernel
// has openat2, the folder reached and the file opened are opened once more
// from the game folder with RESOLVE_BENEATH and RESOLVE_NO_SYMLINKS, so a
// folder swapped for a link meanwhile is refused by the kernel itself.
#pragma once

#include <memory>
#include <wx/string.h>

#include "settings/FileDescriptor.h"
#include "settings/GamePlace.h"

class GameFolder
{
public:
    // the working directory (opened when a walk first needs it)
    GameFolder();

    // Where the path leads. With mayLeave (the document, a list the user
    // picked with a browse button) it may lead anywhere; relative paths
    // still start at the game folder.
    GamePlace Place(const wxString& path, bool mayLeave = false) const;

    // The file opened for reading, only when it is a regular file: opened
    // without blocking (a FIFO swapped in meanwhile cannot hold it up; a
    // regular file reads the same either way). Invalid otherwise; `place`
    // tells why (a file whose error is set could not be opened). A path
    // that names a file as written is opened by openat2 alone.
    FileDescriptor OpenToRead(const wxString& path, bool mayLeave, GamePlace* place = nullptr) const;

    // An exclusive advisory lock (flock) on the game folder, held while the
    // descriptor is open, so that two editors saving one game take turns;
    // invalid when another holder kept it for `seconds`.
    FileDescriptor Lock(int seconds) const;

    // whether the kernel's openat2 is used where there is one (tests turn
    // it off to try the walk alone)
    static void UseOpenat2(bool use);
    static bool UsesOpenat2();

private:
    const std::shared_ptr<FileDescriptor>& Root() const;

    mutable std::shared_ptr<FileDescriptor> root;
};
