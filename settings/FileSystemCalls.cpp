#include "settings/FileSystemCalls.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const FileSystemCalls& FileSystemCalls::Posix()
{
    // openat is variadic and so has no pointer of the table's type
    static const FileSystemCalls calls = {
        [](int folder, const char* name, int flags, mode_t mode) { return ::openat(folder, name, flags, mode); },
        ::write, ::fsync, ::fchmod, ::fchown, ::close, ::renameat, ::unlinkat,
    };
    return calls;
}
