// The calls a save makes that change the file system, gathered in one table.
//
// SaveTransaction makes every such call through the table it is given, so a
// test can wrap any of them: fail the n-th call, or end the process there,
// and check what a save cut short leaves behind. The program itself uses
// Posix(), the plain system calls. Calls that only look (stat, readlink)
// are made directly.
#pragma once

#include <sys/types.h>

struct FileSystemCalls
{
    int (*openat)(int folder, const char* name, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*fchmod)(int fd, mode_t mode);
    int (*fchown)(int fd, uid_t owner, gid_t group);
    int (*close)(int fd);
    int (*renameat)(int folder, const char* from, int toFolder, const char* to);
    int (*unlinkat)(int folder, const char* name, int flags);

    static const FileSystemCalls& Posix();
};
