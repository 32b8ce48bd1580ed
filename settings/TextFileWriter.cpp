#include "settings/TextFileWriter.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/filename.h>

namespace
{
// A write past the file-size limit must fail like any other write error
// instead of killing the program with SIGXFSZ.
void IgnoreFileSizeSignal()
{
    static const bool ignored = (std::signal(SIGXFSZ, SIG_IGN), true);
    (void)ignored;
}

// The file a path finally names, following symbolic links (also dangling
// ones, so that saving through a link creates the file it points to).
wxString ResolveLinks(const wxString& path)
{
    wxString current = path;
    for (int hops = 0; hops < 40; ++hops)
    {
        char buffer[4096];
        const ssize_t length = readlink(current.fn_str(), buffer, sizeof buffer - 1);
        if (length < 0)
            return current;
        buffer[length] = '\0';
        wxFileName link(wxString(buffer, wxConvFile));
        if (link.IsRelative())
            link.MakeAbsolute(wxFileName(current).GetPath());
        current = link.GetFullPath();
    }
    return current;
}

bool IsRegularFile(const wxString& path)
{
    struct stat status;
    return stat(path.fn_str(), &status) == 0 && S_ISREG(status.st_mode);
}
}

TextFileWriter::TextFileWriter(const wxString& path)
{
    IgnoreFileSizeSignal();
    target = ResolveLinks(path);

    // Could a truncating open succeed? Ask without truncating anything yet.
    const int probe = open(target.fn_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (probe >= 0)
    {
        close(probe);
        createdTarget = true;
    }
    else if (errno != EEXIST || !IsRegularFile(target))
        return;
    else
    {
        const int existing = open(target.fn_str(), O_WRONLY);
        if (existing < 0)
            return;
        close(existing);
    }

    if (!OpenTemporary() && !OpenInPlace())
    {
        Discard();
        return;
    }
    text = std::make_unique<wxTextOutputStream>(contents, wxEOL_UNIX, conv);
}

TextFileWriter::~TextFileWriter()
{
    if (text)
        Discard();
}

bool TextFileWriter::OpenTemporary()
{
    const wxFileName name(target);
    const wxString pattern = name.GetPathWithSep() + L"." + name.GetFullName() + L".XXXXXX";
    wxCharBuffer buffer = pattern.fn_str();
    fd = mkstemp(buffer.data());
    if (fd < 0)
        return false;    // a folder we may not create files in: write in place
    temporary = wxString(buffer.data(), wxConvFile);

    // the new file takes over the old one's permissions
    struct stat status;
    if (!createdTarget && stat(target.fn_str(), &status) == 0)
        fchmod(fd, status.st_mode & 07777);
    else
    {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
    return true;
}

bool TextFileWriter::OpenInPlace()
{
    fd = open(target.fn_str(), O_WRONLY | O_TRUNC);
    return fd >= 0;
}

bool TextFileWriter::WriteAll()
{
    text->Flush();
    const wxStreamBuffer* buffer = contents.GetOutputStreamBuffer();
    const char* data = static_cast<const char*>(buffer->GetBufferStart());
    size_t left = buffer->GetIntPosition();
    while (left > 0)
    {
        const ssize_t done = write(fd, data, left);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        data += done;
        left -= static_cast<size_t>(done);
    }
    return fsync(fd) == 0;
}

bool TextFileWriter::Commit()
{
    if (!text)
        return false;
    bool written = WriteAll();
    text.reset();
    written = (close(fd) == 0) && written;
    fd = -1;

    if (!temporary.empty())
        written = written && rename(temporary.fn_str(), target.fn_str()) == 0;
    if (written)
    {
        temporary.clear();
        createdTarget = false;
    }
    Discard();
    return written;
}

void TextFileWriter::Discard()
{
    text.reset();
    if (fd >= 0)
        close(fd);
    fd = -1;
    if (!temporary.empty())
        unlink(temporary.fn_str());
    temporary.clear();
    if (createdTarget)
        unlink(target.fn_str());
    createdTarget = false;
}

std::string TextBytes(const std::function<void(wxTextOutputStream&)>& write)
{
    wxMemoryOutputStream bytes;
    {
        wxMBConvUTF8 conv(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
        wxTextOutputStream text(bytes, wxEOL_UNIX, conv);
        write(text);
        text.Flush();
    }
    const wxStreamBuffer* buffer = bytes.GetOutputStreamBuffer();
    return std::string(static_cast<const char*>(buffer->GetBufferStart()),
                       buffer->GetIntPosition());
}
