// Reading value lines: the one reader every file of the game goes through.
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "settings/ValueLine.h"
#include "support/MemoryStreams.h"

namespace
{
// every value line a stream of these bytes gives, up to `calls` calls
std::vector<std::string> ReadValues(const std::string& bytes, size_t calls)
{
    std::vector<std::string> values;
    ReadFrom(bytes, [&](wxTextInputStream& in) {
        for (size_t i = 0; i < calls; ++i)
            values.push_back(ReadValueLine(in).utf8_string());
    });
    return values;
}

std::string Repeat(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}
}

TEST(ReadValueLine, SkipsCommentsAndEmptyLinesInAnyPlace)
{
    struct Case
    {
        const char* what;
        std::string bytes;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"plain lines", "1\n2\n", {"1", "2"}}, {"comments between values", "#a\n1\n#b\n#c\n2\n", {"1", "2"}},
        {"empty lines between values", "\n\n1\n\n2\n", {"1", "2"}}, {"blanks are kept", "  a b  \n", {"  a b  "}},
        {"a line of blanks is a value", " \n", {" "}}, {"a hash later in the line", "a#b\n", {"a#b"}},
        {"CR endings", "#c\r1\r2\r", {"1", "2"}}, {"CRLF endings", "#c\r\n\r\n1\r\n2\r\n", {"1", "2"}},
        {"mixed endings", "1\r\n2\r3\n", {"1", "2", "3"}}, {"no ending on the last line", "1\n2", {"1", "2"}},
        {"end of stream reads as empty", "1\n", {"1", ""}}, {"empty stream", "", {"", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadValues(c.bytes, c.values.size()), c.values) << c.what;
}

// comment lines are not counted, and every call counts afresh
TEST(ReadValueLine, GivesUpAtTheThousandthEmptyLineOfOneCall)
{
    struct Case
    {
        std::string bytes;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"a\n" + Repeat("\n", 998) + "b\n", {"a", "b"}},
        {"a\n" + Repeat("\n", 999) + "b\n", {"a", "b"}},
        {"a\n" + Repeat("\n", 1000) + "b\n", {"a", "", "b"}},    // the next call finds b
        {"a\n" + Repeat("\n", 1500) + "b\n", {"a", "", "b"}},
        {"a\n" + Repeat("\n", 2000) + "b\n", {"a", "", "", "b"}},
        {Repeat("#comment\n", 5000) + Repeat("\n", 999) + "v\n", {"v"}},
        {Repeat("\n", 600) + "a\n" + Repeat("\n", 600) + "b\n", {"a", "b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadValues(c.bytes, c.values.size()), c.values)
            << std::count(c.bytes.begin(), c.bytes.end(), '\n') << " lines";
}

TEST(ParseDecimal, ConvertsTheWayStrtolDoes)
{
    struct Case
    {
        const wchar_t* text;
        int value;
    };
    const Case cases[] = {
        {L"0", 0}, {L"12", 12}, {L"12abc", 12}, {L"abc", 0}, {L"", 0}, {L"-8", -8}, {L"+7", 7},
        {L"  42", 42}, {L"\t-3 words", -3}, {L"15 words", 15}, {L"- 3", 0}, {L"--3", 0}, {L"3.9", 3},
        {L"0x1F", 0}, {L"007", 7}, {L"2147483647", 2147483647}, {L"2147483648", 2147483647},
        {L"99999999999999999999", 2147483647}, {L"-2147483648", -2147483647 - 1},
        {L"-99999999999999999999", -2147483647 - 1},
        {L"\x0663", 0},    // an Arabic-Indic digit is not a digit here
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDecimal(c.text), c.value) << wxString(c.text).utf8_string();
}

// An empty text is written as one blank, so that it keeps its place, and
// reads back empty; every other text, blanks only included, is its own line
// both ways
TEST(WriteValues, EndEveryLineWithOneLineFeedAndAnEmptyTextKeepsItsPlace)
{
    const std::vector<std::string> texts = {"./BGM/a.mid", "", "  ", "   ", "\t", " a ", "after"};
    const std::string bytes = WrittenBy([&](wxTextOutputStream& out) {
        WriteLine(out, wxString(L"#Default 0"));
        WriteIntValue(out, -8);
        WriteIntValue(out, 255);
        WriteLine(out, wxString());
        for (const std::string& text : texts)
            WriteTextValue(out, wxString::FromUTF8(text));
    });
    EXPECT_EQ(bytes, "#Default 0\n-8\n255\n\n./BGM/a.mid\n \n  \n   \n\t\n a \nafter\n");
    ReadFrom(bytes, [&](wxTextInputStream& in) {
        ReadIntValue(in);
        ReadIntValue(in);
        for (const std::string& text : texts)
            EXPECT_EQ(ReadTextValue(in).utf8_string(), text);
    });
}
