// Opens a game file for reading value lines.
//
// Text is read as UTF-8; bytes that are not UTF-8 (a Shift-JIS name from an
// older install) are carried in private-use characters, so writing them with
// TextBytes gives back exactly the bytes that were read (see
// Utf8InputStream).
#pragma once

#include <memory>
#include <string>
#include <sys/stat.h>
#include <wx/buffer.h>
#include <wx/stream.h>
#include <wx/strconv.h>
#include <wx/txtstrm.h>
#include <wx/wfstream.h>

#include "settings/FileDescriptor.h"
#include "settings/Utf8InputStream.h"

class TextFileReader
{
public:
    // a file anywhere (the document), reached by the game's name rules
    // (GameFolder::OpenToRead); a FIFO or a device is not opened
    explicit TextFileReader(const wxString& path);
    // a regular file already open for reading
    explicit TextFileReader(FileDescriptor file);

    // the same reading of bytes already in memory (what a save would write)
    struct InMemory
    {
    };
    TextFileReader(InMemory, std::string bytes);

    // false when the file is missing, a directory or unreadable
    bool IsOpened() const { return text != nullptr; }
    // what is left of the file, as bytes, for comparing it without decoding
    // it (ValueLinesOfBytes); read instead of the stream, not after it
    std::string RemainingBytes();
    wxTextInputStream& Stream() { return *text; }
    // the file as it was opened
    const struct stat& Status() const { return status; }

private:
    void Decode(std::unique_ptr<wxInputStream> from);

    wxMBConvUTF32 conv;
    std::string bytes;    // read in memory
    std::unique_ptr<wxInputStream> source;
    struct stat status = {};
    std::unique_ptr<Utf8InputStream> decoder;
    std::unique_ptr<wxTextInputStream> text;
};
