// config.txt as a whole: its header, the order of the pages' sections, the
// "#Config Files" block naming the seven list files, the end marker, and
// the order in which everything is read back and checked.
#pragma once

#include <wx/string.h>

class myNotebook;

class ConfigDocument
{
public:
    explicit ConfigDocument(myNotebook& notebook);

    // Writes the document, then the seven list files (whose failures are
    // not reported). Returns the empty string, or the status message when
    // the document itself could not be written; the old file then stays.
    wxString Save(const wxString& path);

    // Reads the document and the list files it names, stopping at the first
    // that fails. Returns the empty string, or the failing step's message;
    // the pages of earlier steps keep what they read.
    wxString Load(const wxString& path);

private:
    myNotebook& pages;
};
