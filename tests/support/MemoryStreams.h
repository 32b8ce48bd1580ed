// Writers and readers of the game files run over bytes in memory, through
// the same kind of text streams the document uses.
#pragma once

#include <functional>
#include <string>
#include <wx/mstream.h>
#include <wx/txtstrm.h>

// the bytes a writer puts out, lines ended by a line feed
inline std::string WrittenBy(const std::function<void(wxTextOutputStream&)>& write)
{
    wxMemoryOutputStream memory;
    wxTextOutputStream out(memory, wxEOL_UNIX, wxConvUTF8);
    write(out);
    out.Flush();
    std::string bytes(memory.GetLength(), '\0');
    memory.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

// lets a reader take its values from these bytes
inline void ReadFrom(const std::string& bytes, const std::function<void(wxTextInputStream&)>& read)
{
    wxMemoryInputStream memory(bytes.data(), bytes.size());
    wxTextInputStream in(memory, wxString(L" \t"), wxConvUTF8);
    read(in);
}
