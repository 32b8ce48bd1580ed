// Utf8InputStream::ReadLine against wxTextInputStream::ReadLine over the
// same decoded bytes: the same lines, the same end-of-stream state after
// every read, also with the two readers taking turns on one stream.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <utility>
#include <vector>
#include <wx/mstream.h>
#include <wx/strconv.h>
#include <wx/txtstrm.h>

#include "settings/TextFileReader.h"
#include "settings/Utf8InputStream.h"
#include "settings/ValueLine.h"
#include "support/TempDir.h"

namespace
{
// what one read gives: the line, and whether the stream is at its end then
using Read = std::pair<std::wstring, bool>;

// Reads `count` lines; `fast` says for each read which reader takes it
std::vector<Read> ReadLines(const std::string& bytes, size_t count,
                            const std::function<bool(size_t)>& fast)
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

// every read taken by the character-wise reader, or by the run-wise one
const auto characterWise = [](size_t) { return false; };
const auto runWise = [](size_t) { return true; };
const size_t chunk = 64 * 1024;    // what the decoder reads at a time
}

// Lines end at a line feed, a carriage return or both, as the character-wise
// reader ends them; also with the two readers taking turns, either one first.
TEST(LineReading, GivesTheLinesAndEndStateOfTheCharacterWiseReader)
{
    const std::string inputs[] = {
        "", "one", "one\n", "one\ntwo", "a\r\nb\rc\n\rd\r\r\ne", "\n\n\n", "\r", "end\r", "end\r\n",
        "\r\n\r\n", "#comment\n  \n\t\n",
        "\xe3\x81\x82\xe3\x81\x84\n\xff\xfe\n\x83\x7b\x83\x4e\r\n",
        "\xe3\x81\r\n\xe3\r\xe3\x81",    // characters cut by line endings
        std::string("nul\0 eot\x04\n\0\r\x04", 13),
        std::string(chunk - 1, 'x') + "\r\ny",    // the ending split by the chunk
        std::string(chunk - 1, 'x') + "\rz",
        std::string(chunk - 1, 'x') + "\r",
        std::string(chunk - 2, 'x') + "\xe3\x81\x82\nafter",    // a character split
        std::string(3 * chunk + 17, 'L') + "\nshort\n",
    };
    for (const std::string& bytes : inputs)
    {
        SCOPED_TRACE(bytes.substr(0, 40));
        const std::vector<Read> expected = ReadLines(bytes, 8, characterWise);
        EXPECT_EQ(ReadLines(bytes, 8, runWise), expected);
        for (size_t first : {0, 1})
            EXPECT_EQ(ReadLines(bytes, 8, [first](size_t i) { return i % 2 == first; }), expected);
    }
}

TEST(LineReading, AFileReadThroughReadValueLineGivesEveryValue)
{
    TempDir dir;
    std::string bytes = "#header\r\n\r\n";
    std::vector<std::string> values;
    for (int i = 0; i < 5000; ++i)
    {
        values.push_back("value " + std::to_string(i) + " \xe3\x81\x82");
        bytes += "#comment " + std::to_string(i) + (i % 3 ? "\n" : "\r\n") + values.back() +
                 (i % 2 ? "\n" : "\r\n") + (i % 7 ? "" : "\n\n");
    }
    const std::string longValue(3 * chunk + 5, '9');
    bytes += longValue + "\nlast";
    WriteFile("values.txt", bytes);

    TextFileReader reader(wxString(L"values.txt"));
    ASSERT_TRUE(reader.IsOpened());
    for (const std::string& value : values)
        ASSERT_EQ(ReadValueLine(reader.Stream()).utf8_string(), value);
    EXPECT_EQ(ReadValueLine(reader.Stream()).utf8_string(), longValue);
    EXPECT_EQ(ReadValueLine(reader.Stream()).utf8_string(), "last");
    EXPECT_TRUE(reader.Stream().GetInputStream().Eof());
    EXPECT_EQ(ReadValueLine(reader.Stream()), wxString());
}
