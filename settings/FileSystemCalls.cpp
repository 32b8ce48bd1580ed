#include "settings/FileSystemCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const FileSystemCalls& FileSystemCalls::Posix()
{
    // open is variadic and so has no pointer of the table's type
    static const FileSystemCalls calls = {
        [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        ::write, ::fsync, ::fchmod, ::fchown, ::close, ::rename, ::unlink,
    };
    return calls;
}
