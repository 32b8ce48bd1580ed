// Writes a game file whole, or not at all.
//
// The lines go to a temporary file beside the target, which replaces the
// target only once everything was written and flushed; a save that fails
// half way (disk full, file-size limit, I/O error) leaves the old file as it
// was. A target that cannot be opened for writing fails at once, as a plain
// truncating write would. A symbolic link is written through, and the file
// keeps its permissions. Lines end in a single line feed; text goes out as
// UTF-8, and bytes that TextFileReader carried through come out unchanged.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <wx/log.h>
#include <wx/strconv.h>
#include <wx/string.h>
#include <wx/txtstrm.h>

#include <wx/mstream.h>

// the bytes the lines come to, as TextFileWriter writes them
std::string TextBytes(const std::function<void(wxTextOutputStream&)>& write);

class TextFileWriter
{
public:
    explicit TextFileWriter(const wxString& path);
    ~TextFileWriter();    // without a successful Commit the target is untouched

    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    bool IsOpened() const { return text != nullptr; }
    wxTextOutputStream& Stream() { return *text; }

    // flushes, syncs and moves the new contents into place; false if any of
    // the writing failed, and then the target keeps its old contents
    bool Commit();

private:
    bool OpenTemporary();
    bool OpenInPlace();
    bool WriteAll();
    void Discard();

    wxLogNull noErrorBoxes;    // write errors are results, not message boxes
    wxMBConvUTF8 conv{wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA};
    wxString target;           // the file finally written, links resolved
    wxString temporary;        // empty when writing in place
    bool createdTarget = false;
    int fd = -1;
    // the lines are gathered here and written in one go on Commit, so that
    // every write error is seen in one place
    wxMemoryOutputStream contents;
    std::unique_ptr<wxTextOutputStream> text;
};
