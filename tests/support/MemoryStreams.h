// Writers and readers of the game files run over bytes in memory, through
// the program's own byte path: TextBytes writes, TextFileReader reads.
#pragma once

#include <functional>
#include <string>

#include "settings/TextBytes.h"
#include "settings/TextFileReader.h"

// the bytes a writer puts out, as a save writes them
inline std::string WrittenBy(const std::function<void(wxTextOutputStream&)>& write)
{
    return TextBytes(write);
}

// lets a reader take its values from these bytes, as a load reads a file
inline void ReadFrom(const std::string& bytes, const std::function<void(wxTextInputStream&)>& read)
{
    TextFileReader file(TextFileReader::InMemory(), bytes);
    read(file.Stream());
}
