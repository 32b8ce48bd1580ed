// Writers and readers of the game files run over bytes in memory, through
// the same kind of text streams the document uses.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>
#include <wx/mstream.h>
#include <wx/txtstrm.h>

#include "support/TempDir.h"

// the bytes a writer puts out, lines ended by a line feed
inline std::string WrittenBy(const std::function<void(wxTextOutputStream&)>& write)
{
    wxMemoryOutputStream memory;
    {
        wxTextOutputStream out(memory, wxEOL_UNIX, wxConvUTF8);
        write(out);
        out.Flush();
    }
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

inline bool IsValueLine(const std::string& line)
{
    return !line.empty() && line[0] != '#';
}

inline std::vector<std::string> LinesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// the value lines of a file's bytes: neither empty nor comments
inline std::vector<std::string> ValueLinesOf(const std::string& bytes)
{
    std::vector<std::string> values;
    for (const std::string& line : LinesOf(bytes))
        if (IsValueLine(line))
            values.push_back(line);
    return values;
}

// the bytes with their value lines replaced, in order, by these values
inline std::string WithValues(const std::string& bytes, const std::vector<std::string>& values)
{
    std::vector<std::string> lines = LinesOf(bytes);
    size_t next = 0;
    for (std::string& line : lines)
        if (IsValueLine(line))
            line = values.at(next++);
    return next == values.size() ? Lines(lines) : "<" + std::to_string(values.size()) + " values>";
}
