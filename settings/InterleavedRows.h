// Files that lay out several lists row by row: the first row of each list,
// then the second row of each, and so on (the font list: a font's path,
// then its size). A list that writes its rows alone is the case of one.
//
// Each list gives WriteRow(out, row) (its comment lines, then its value
// line) and ReadRow(in, row).
#pragma once

#include <cstddef>

class wxTextInputStream;
class wxTextOutputStream;

template <typename... Lists>
void WriteInterleaved(wxTextOutputStream& out, size_t rows, const Lists&... lists)
{
    for (size_t row = 0; row < rows; ++row)
        (lists.WriteRow(out, row), ...);
}

template <typename... Lists>
void ReadInterleaved(wxTextInputStream& in, size_t rows, Lists&... lists)
{
    for (size_t row = 0; row < rows; ++row)
        (lists.ReadRow(in, row), ...);
}
