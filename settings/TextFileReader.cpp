#include "settings/TextFileReader.h"

#include <wx/filefn.h>
#include <wx/log.h>

TextFileReader::TextFileReader(const wxString& path)
{
    if (!wxFileExists(path))
        return;
    wxLogNull noErrorBoxes;    // a failure is a result here, not a message box
    file = std::make_unique<wxFileInputStream>(path);
    if (!file->IsOk())
        return;
    decoder = std::make_unique<Utf8InputStream>(*file);
    text = std::make_unique<wxTextInputStream>(*decoder, wxString(L" \t"), conv);
}
