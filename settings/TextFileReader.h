// Opens a game file for reading value lines.
//
// Text is read as UTF-8; bytes that are not UTF-8 (a Shift-JIS name from an
// older install) are carried in private-use characters, so writing them with
// TextBytes gives back exactly the bytes that were read (see
// Utf8InputStream).
#pragma once

#include <memory>
#include <wx/buffer.h>
#include <wx/stream.h>
#include <wx/strconv.h>
#include <wx/txtstrm.h>
#include <wx/wfstream.h>

#include "settings/Utf8InputStream.h"

class TextFileReader
{
public:
    explicit TextFileReader(const wxString& path);

    // false when the file is missing, a directory or unreadable
    bool IsOpened() const { return text != nullptr; }
    wxTextInputStream& Stream() { return *text; }

private:
    wxMBConvUTF32 conv;
    std::unique_ptr<wxFileInputStream> file;
    std::unique_ptr<Utf8InputStream> decoder;
    std::unique_ptr<wxTextInputStream> text;
};
