#include "settings/ValueLine.h"

#include <algorithm>
#include <climits>
#include <wx/strconv.h>
#include <wx/txtstrm.h>

#include "settings/Utf8InputStream.h"

namespace
{
// after this many empty lines in one call, ReadValueLine gives up
const int maxEmptyLines = 1000;

// the next line of the stream; a file opened by TextFileReader is read a run
// of characters at a time rather than character by character
void ReadLine(wxTextInputStream& in, wxString& line)
{
    // the text stream hands its source out as const, though it reads from it
    auto* decoder =
        dynamic_cast<Utf8InputStream*>(const_cast<wxInputStream*>(&in.GetInputStream()));
    if (!decoder || !decoder->ReadLine(line))
        line = in.ReadLine();
}

bool IsSpace(wxUniChar c)
{
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}
}

wxString ReadValueLine(wxTextInputStream& in)
{
    wxString line;
    int emptyLines = 0;
    // every return gives this one string, so that it is not copied on the way
    wxString value;
    for (;;)
    {
        ReadLine(in, line);
        if (!line.empty() && line[0] != L'#')
        {
            // handed over rather than copied: a long line is not held twice
            value.swap(line);
            return value;
        }
        if (line.empty() && ++emptyLines >= maxEmptyLines)
            return value;
    }
}

std::vector<NumberedBytes> ValueLinesOfBytes(std::string_view bytes)
{
    std::vector<NumberedBytes> values;
    int number = 1;
    for (size_t start = 0; start < bytes.size(); ++number)
    {
        const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        if (end > start && bytes[start] != '#')
            values.push_back({number, bytes.substr(start, end - start)});
        start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return values;
}

int ParseDecimal(const wxString& text)
{
    wxString::const_iterator it = text.begin();
    while (it != text.end() && IsSpace(*it))
        ++it;

    bool negative = false;
    if (it != text.end() && (*it == L'-' || *it == L'+'))
        negative = (*it++ == L'-');

    long long value = 0;
    for (; it != text.end() && *it >= L'0' && *it <= L'9'; ++it)
    {
        value = value * 10 + (*it - L'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;    // saturated
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

int ReadIntValue(wxTextInputStream& in)
{
    return ParseDecimal(ReadValueLine(in));
}

wxString ReadTextValue(wxTextInputStream& in)
{
    // one return: wxString has no move constructor, and a long text would
    // be copied once more
    wxString text = ReadValueLine(in);
    if (text == L" ")
        text.clear();    // how WriteTextValue writes the empty text
    return text;
}

void WriteLine(wxTextOutputStream& out, const wxString& line)
{
    // The text stream copies a whole string to look for line ends before it
    // converts it: a long line without any goes straight to its bytes, by the
    // same conversion every written file uses (TextBytes).
    const size_t longLine = 4096;
    if (line.length() > longLine && line.find_first_of(L"\r\n") == wxString::npos)
    {
        const wxMBConvUTF8 conv(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
        size_t length = 0;
        const wxCharBuffer bytes = conv.cWC2MB(line.wc_str(), line.length(), &length);
        if (bytes.data())
        {
            // the text stream hands its target out as const, though it writes to it
            const_cast<wxOutputStream&>(out.GetOutputStream()).Write(bytes.data(), length);
            out.WriteString(wxString(L"\n"));
            return;
        }
    }
    out.WriteString(line);
    out.WriteString(wxString(L"\n"));
}

void WriteIntValue(wxTextOutputStream& out, int value)
{
    WriteLine(out, wxString::Format(L"%d", value));
}

void WriteTextValue(wxTextOutputStream& out, const wxString& text)
{
    if (text.empty())
        WriteLine(out, wxString(L" "));
    else
        WriteLine(out, text);    // not through a conditional, which would copy it
}

void WriteEndOfFile(wxTextOutputStream& out)
{
    WriteLine(out, wxString());
    WriteLine(out, wxString(L"#End of File"));
}
