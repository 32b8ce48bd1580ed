// Reading game files: value lines, numbers, and the lines under them, which
// Utf8InputStream::ReadLine gives as wxTextInputStream::ReadLine gives them
// over the same decoded bytes; every byte read comes back out exactly.
#include <algorithm>
#include <gtest/gtest.h>
#include <wx/mstream.h>

#include "GameFiles.h"
#include "settings/TextBytes.h"
#include "settings/TextFileReader.h"
#include "settings/ValueLine.h"

namespace
{
const size_t chunk = 64 * 1024;    // what the decoder reads at a time

// the value lines a stream of these bytes gives in `calls` calls
std::vector<std::string> ReadValues(const std::string& bytes, size_t calls)
{
    std::vector<std::string> values;
    ReadFrom(bytes, [&](wxTextInputStream& in) {
        for (size_t i = 0; i < calls; ++i)
            values.push_back(ReadValueLine(in).utf8_string());
    });
    return values;
}

// what one read gives: the line, and whether the stream is at its end then
using Read = std::pair<std::wstring, bool>;

// Reads `count` lines; `fast` says for each read which reader takes it
std::vector<Read> ReadLines(const std::string& bytes, size_t count, const std::function<bool(size_t)>& fast)
{
    wxMemoryInputStream memory(bytes.data(), bytes.size());
    Utf8InputStream decoder(memory);
    wxMBConvUTF32 conv;
    wxTextInputStream text(decoder, wxString(L" \t"), conv);
    std::vector<Read> reads;
    for (size_t i = 0; i < count; ++i)
    {
        wxString line;
        if (!fast(i) || !decoder.ReadLine(line))
            line = text.ReadLine();
        reads.push_back({line.ToStdWstring(), decoder.Eof()});
    }
    return reads;
}
}

TEST(ReadValueLine, SkipsCommentsAndEmptyLinesInAnyPlace)
{
    const struct { const char* what; std::string bytes; std::vector<std::string> values; } cases[] = {
        {"plain lines", "1\n2\n", {"1", "2"}}, {"comments between values", "#a\n1\n#b\n#c\n2\n", {"1", "2"}},
        {"empty lines between values", "\n\n1\n\n2\n", {"1", "2"}}, {"blanks kept", "  a b  \n", {"  a b  "}},
        {"a line of blanks is a value", " \n", {" "}}, {"a hash later in the line", "a#b\n", {"a#b"}},
        {"CR endings", "#c\r1\r2\r", {"1", "2"}}, {"CRLF endings", "#c\r\n\r\n1\r\n2\r\n", {"1", "2"}},
        {"mixed endings", "1\r\n2\r3\n", {"1", "2", "3"}}, {"no ending on the last line", "1\n2", {"1", "2"}},
        {"end of stream reads as empty", "1\n", {"1", ""}}, {"empty stream", "", {"", ""}},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ReadValues(c.bytes, c.values.size()), c.values) << c.what;
        // the check splits the bytes undecoded, into the same values
        std::vector<std::string> split, values = c.values;
        for (const NumberedBytes& line : ValueLinesOfBytes(c.bytes))
            split.emplace_back(line.text);
        values.erase(std::remove(values.begin(), values.end(), ""), values.end());
        EXPECT_EQ(split, values) << c.what;
    }
    std::vector<int> numbers;    // every ending ends one line
    for (const NumberedBytes& line : ValueLinesOfBytes("#c\r\n\r\n1\r2\n\n3\r\n"))
        numbers.push_back(line.number);
    EXPECT_EQ(numbers, (std::vector<int>{3, 4, 6}));
}

// comment lines are not counted, and every call counts afresh
TEST(ReadValueLine, GivesUpAtTheThousandthEmptyLineOfOneCall)
{
    const auto empty = [](size_t lines) { return std::string(lines, '\n'); };
    const struct { std::string bytes; std::vector<std::string> values; } cases[] = {
        {"a\n" + empty(998) + "b\n", {"a", "b"}}, {"a\n" + empty(999) + "b\n", {"a", "b"}},
        {"a\n" + empty(1000) + "b\n", {"a", "", "b"}},    // the next call finds b
        {"a\n" + empty(1500) + "b\n", {"a", "", "b"}}, {"a\n" + empty(2000) + "b\n", {"a", "", "", "b"}},
        {ReplacedAll(empty(5000), '\n', "#comment\n") + empty(999) + "v\n", {"v"}},
        {empty(600) + "a\n" + empty(600) + "b\n", {"a", "b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadValues(c.bytes, c.values.size()), c.values)
            << std::count(c.bytes.begin(), c.bytes.end(), '\n') << " lines";
}

TEST(ParseDecimal, ConvertsTheWayStrtolDoes)
{
    const struct { const wchar_t* text; int value; } cases[] = {
        {L"0", 0}, {L"12", 12}, {L"12abc", 12}, {L"abc", 0}, {L"", 0}, {L"-8", -8}, {L"+7", 7},
        {L"  42", 42}, {L"\t-3 words", -3}, {L"15 words", 15}, {L"- 3", 0}, {L"--3", 0}, {L"3.9", 3},
        {L"0x1F", 0}, {L"007", 7}, {L"2147483647", 2147483647}, {L"2147483648", 2147483647},
        {L"99999999999999999999", 2147483647}, {L"-2147483648", -2147483647 - 1},
        {L"-99999999999999999999", -2147483647 - 1},
        {L"\x0663", 0},    // an Arabic-Indic digit is not a digit here
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDecimal(c.text), c.value) << wxString(c.text).utf8_string();
}

// Lines end at a line feed, a carriage return or both, as the character-wise
// reader ends them; also with the two readers taking turns, either one first.
TEST(LineReading, GivesTheLinesAndEndStateOfTheCharacterWiseReader)
{
    const std::string inputs[] = {
        "", "one", "one\n", "one\ntwo", "a\r\nb\rc\n\rd\r\r\ne", "\n\n\n", "\r", "end\r", "end\r\n",
        "\r\n\r\n", "#comment\n  \n\t\n", "\xe3\x81\x82\xe3\x81\x84\n\xff\xfe\n\x83\x7b\x83\x4e\r\n",
        "\xe3\x81\r\n\xe3\r\xe3\x81",    // characters cut by line endings
        std::string("nul\0 eot\x04\n\0\r\x04", 13),
        std::string(chunk - 1, 'x') + "\r\ny",    // the ending split by the chunk
        std::string(chunk - 1, 'x') + "\rz", std::string(chunk - 1, 'x') + "\r",
        std::string(chunk - 2, 'x') + "\xe3\x81\x82\nafter",    // a character split
        std::string(3 * chunk + 17, 'L') + "\nshort\n",
    };
    for (const std::string& bytes : inputs)
    {
        SCOPED_TRACE(bytes.substr(0, 40));
        const std::vector<Read> expected = ReadLines(bytes, 8, [](size_t) { return false; });
        EXPECT_EQ(ReadLines(bytes, 8, [](size_t) { return true; }), expected);
        for (size_t first : {0, 1})
            EXPECT_EQ(ReadLines(bytes, 8, [first](size_t i) { return i % 2 == first; }), expected);
    }
}

TEST(TextFile, BytesThatAreNotUtf8ComeBackOutUnchanged)
{
    TempDir dir;
    const std::string names[] = {
        "\x83\x7b\x83\x4e\x83\x54\x81\x5b",    // a name in Shift-JIS
        "\xe3\x83\x9c\xe3\x82\xaf\xe3\x82\xb5\xe3\x83\xbc",    // the same in UTF-8
        "caf\xe9",                             // Latin-1
        "\xff\xfe\x80 lone bytes \xc3",        // broken sequences
        "\xf4\x80\x81\x81",                    // UTF-8 of the character a byte is kept in
        "\xed\xa0\x80 \xc0\xaf \xf8\x88",      // a surrogate, overlong, 5-byte lead
        std::string("nul\0 eot\x04 end", 13),
        std::string(chunk - 1, 'a') + "\xe3\x83\x9c\xe3\x83",    // cut at the read chunk
    };
    for (const std::string& name : names)
    {
        WriteFile("in.txt", "#comment\n" + name + "\n");
        TextFileReader reader(wxString(L"in.txt"));
        ASSERT_TRUE(reader.IsOpened());
        const wxString value = ReadValueLine(reader.Stream());
        if (name == names[1])
            EXPECT_EQ(value, wxString(L"ボクサー")) << "valid UTF-8 is read as text";
        EXPECT_EQ(TextBytes([&](wxTextOutputStream& out) { WriteLine(out, value); }), name + "\n");
    }
}
