#include "settings/TextFileReader.h"

#include <wx/mstream.h>

#include "settings/GameFolder.h"

TextFileReader::TextFileReader(const wxString& path)
    : TextFileReader(GameFolder().OpenToRead(path, true))
{
}

TextFileReader::TextFileReader(FileDescriptor fd)
{
    if (!fd.IsOpen() || fstat(fd.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return;
    Decode(std::make_unique<wxFileInputStream>(fd.Release()));    // it closes the file
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

std::string TextFileReader::RemainingBytes()
{
    std::string rest;
    if (!IsOpened())
        return rest;
    if (S_ISREG(status.st_mode))
        rest.reserve(static_cast<size_t>(status.st_size));
    char buffer[64 * 1024];
    while (source->Read(buffer, sizeof buffer).LastRead() > 0)
        rest.append(buffer, source->LastRead());
    return rest;
}
