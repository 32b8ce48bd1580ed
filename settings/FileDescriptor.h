// An open file descriptor, closed with its owner.
#pragma once

#include <unistd.h>
#include <utility>

class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept : fd(std::exchange(other.fd, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept
    {
        std::swap(fd, other.fd);
        return *this;
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd >= 0)
            close(fd);
    }

    int Get() const { return fd; }
    bool IsOpen() const { return fd >= 0; }
    // the descriptor handed over; nothing is closed here any more
    int Release() { return std::exchange(fd, -1); }

private:
    int fd = -1;
};
