#include "settings/TextFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/mstream.h>

#include "settings/GamePath.h"

// The file is opened by the bytes of its name, as a save writes it: a name
// that is not UTF-8 (a Shift-JIS file name from an older install) reaches
// the same file.
TextFileReader::TextFileReader(const wxString& path)
{
    const std::string name = GamePath::ToBytes(path);
    if (name.empty() || name.find('\0') != std::string::npos)
        return;
    const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
    {
        close(fd);
        return;
    }
    Decode(std::make_unique<wxFileInputStream>(fd));    // it closes the file
}

TextFileReader::TextFileReader(InMemory, std::string bytes) : bytes(std::move(bytes))
{
    Decode(std::make_unique<wxMemoryInputStream>(this->bytes.data(), this->bytes.size()));
}

void TextFileReader::Decode(std::unique_ptr<wxInputStream> from)
{
    source = std::move(from);
    decoder = std::make_unique<Utf8InputStream>(*source);
    text = std::make_unique<wxTextInputStream>(*decoder, wxString(L" \t"), conv);
}
