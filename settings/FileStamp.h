// What a file was when it was read, or that it was not there: a save
// compares it with the disk to tell whether someone else has changed the
// file since.
#pragma once

#include <sys/stat.h>
#include <wx/string.h>

struct FileStamp
{
    wxString path;    // the file, as it was named when read
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified = {};

    static FileStamp Of(const wxString& path, bool exists, const struct stat& status)
    {
        FileStamp stamp;
        stamp.path = path;
        stamp.exists = exists;
        if (exists)
        {
            stamp.device = status.st_dev;
            stamp.inode = status.st_ino;
            stamp.size = status.st_size;
            stamp.modified = status.st_mtim;
        }
        return stamp;
    }

    // the same file, unchanged (the path aside)
    bool SameAs(const FileStamp& other) const
    {
        return exists == other.exists && device == other.device && inode == other.inode &&
               size == other.size && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};
