// Where a listed path leads: the folder it ends in, held open, and the name
// there, with what the name holds now. See GameFolder::Place.
#pragma once

#include <memory>
#include <string>
#include <sys/stat.h>

#include "settings/FileDescriptor.h"

struct GamePlace
{
    enum class Kind
    {
        file,           // a regular file
        missing,        // nothing by that name yet, in a folder that exists
        folder,         // a folder, or a path that can only name one
        special,        // a FIFO, a socket or a device
        unnamable,      // a NUL in the path
        outside,        // it leaves the folder it may not leave
        unreachable     // a folder on the way missing or closed, or links without end
    };

    Kind kind = Kind::unreachable;
    int error = 0;                              // why it is unreachable (an errno)
    std::shared_ptr<FileDescriptor> folder;     // the folder the name is in (O_PATH)
    std::shared_ptr<FileDescriptor> start;      // where the route starts: the game folder or the root
    std::string route;                          // the folder's names from the start, no links
    std::string name;                           // the name, in the letter case found
    struct stat status = {};                    // what it holds, when anything

    bool Exists() const { return kind == Kind::file || kind == Kind::folder || kind == Kind::special; }

    // Where the kernel has openat2: the folder opened once more from the
    // start, beneath it and through no link, so that one swapped for a link
    // since the walk is refused. False when it is refused.
    bool HeldBeneath();

    // 0 when a save may replace the file (or create it), else the errno
    // that says why not: a file none of whose write bits is set is not
    // replaced even by root, and otherwise the process's own access decides
    int WriteRefusal() const;

    // the file reached: device and inode; a file not yet there by its folder
    // and its name in lower case (the game takes names in any case)
    struct Identity
    {
        dev_t device = 0;
        ino_t inode = 0;
        std::string name;
        bool operator==(const Identity& other) const
        {
            return device == other.device && inode == other.inode && name == other.name;
        }
    };
    Identity Id() const;
};
