// Value lines: the one way every file of the game is read and written.
//
// A value line is a line that is neither empty nor a comment ("#...").
// Readers take values strictly in order with ReadValueLine; writers put a
// value on a line of its own after whatever comment lines they like.
#pragma once

#include <string_view>
#include <vector>
#include <wx/string.h>

class wxTextInputStream;
class wxTextOutputStream;

// The next value line, returned whole (blanks kept), however long: nothing
// read is cut here. (A text field shows at most 65,535 characters, GTK's
// limit for an entry, so a longer text value is cut to that when it is put
// into a page, and saving writes what the field holds.) Comment lines are
// skipped without limit; empty lines are counted, and the 1000th empty line
// read in one call gives up with the empty string. The end of the stream
// reads as empty lines, so a call there returns the empty string too.
wxString ReadValueLine(wxTextInputStream& in);

// The value lines of a file's bytes, with the number of their line from 1,
// split where ReadValueLine splits them (a line feed, a carriage return, or
// both) and not decoded: the reader gives every byte back as it was, so two
// lines read alike exactly when their bytes are equal, and a long line
// costs its bytes once. The views point into the bytes.
struct NumberedBytes
{
    int number;
    std::string_view text;
};
std::vector<NumberedBytes> ValueLinesOfBytes(std::string_view bytes);

// The leading decimal number of text, the way strtol with base 10 reads it:
// leading white space, an optional sign, digits up to the first other
// character, 0 without digits. Numbers beyond int saturate at its ends.
int ParseDecimal(const wxString& text);

// The next value line as a number (ParseDecimal of ReadValueLine).
int ReadIntValue(wxTextInputStream& in);

// The next value line as text (a path, a key name, a network field).
// An empty text is written as one blank so that it keeps its place in the
// file (an empty line would be skipped and every later value would move
// up); a line of exactly one blank therefore reads back as the empty text.
// Any other line, two or more blanks included, is the text itself, so the
// bytes of every file survive a load and a save.
wxString ReadTextValue(wxTextInputStream& in);

void WriteLine(wxTextOutputStream& out, const wxString& line);
void WriteIntValue(wxTextOutputStream& out, int value);
void WriteTextValue(wxTextOutputStream& out, const wxString& text);

// the empty line and "#End of File" that close config.txt and every list file
void WriteEndOfFile(wxTextOutputStream& out);
