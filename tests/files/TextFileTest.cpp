// Files in and out: bytes kept exactly, and saves that never damage a file.
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/TextFileReader.h"
#include "app/TextFileWriter.h"
#include "app/ValueLine.h"
#include "support/TempDir.h"

namespace
{
std::vector<wxString> ReadAllValues(const std::string& name, int count)
{
    TextFileReader reader(wxString::FromUTF8(name.c_str()));
    std::vector<wxString> values;
    if (!reader.IsOpened())
        return values;
    for (int i = 0; i < count; ++i)
        values.push_back(ReadValueLine(reader.Stream()));
    return values;
}

bool WriteLines(const std::string& name, const std::vector<wxString>& lines)
{
    TextFileWriter writer(wxString::FromUTF8(name.c_str()));
    if (!writer.IsOpened())
        return false;
    for (const wxString& line : lines)
        WriteLine(writer.Stream(), line);
    return writer.Commit();
}

mode_t ModeOf(const std::string& name)
{
    struct stat status;
    stat(name.c_str(), &status);
    return status.st_mode & 07777;
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
        std::string(65535, 'a') + "\xe3\x83\x9c\xe3\x83",    // cut at the read chunk
    };
    for (const std::string& name : names)
    {
        WriteFile("in.txt", "#comment\n" + name + "\n");
        const std::vector<wxString> values = ReadAllValues("in.txt", 1);
        ASSERT_EQ(values.size(), 1u);
        ASSERT_TRUE(WriteLines("out.txt", {values[0]}));
        EXPECT_EQ(ReadFile("out.txt"), name + "\n");
    }
}

TEST(TextFile, ValidUtf8IsReadAsText)
{
    TempDir dir;
    WriteFile("in.txt", "\xe3\x83\xa6\xe3\x83\xbc\xe3\x82\xb6\n");
    EXPECT_EQ(ReadAllValues("in.txt", 1).at(0), wxString(L"ユーザ"));
}

TEST(TextFile, ReaderFailsOnWhatIsNotAReadableFile)
{
    TempDir dir;
    MakeDir("folder");
    WriteFile("locked.txt", "1\n");
    chmod("locked.txt", 0);
    EXPECT_FALSE(TextFileReader(wxString(L"missing.txt")).IsOpened());
    EXPECT_FALSE(TextFileReader(wxString(L"folder")).IsOpened());
    EXPECT_FALSE(TextFileReader(wxString()).IsOpened());
    if (geteuid() != 0)    // root reads anything
        EXPECT_FALSE(TextFileReader(wxString(L"locked.txt")).IsOpened());
}

TEST(TextFile, NulBytesAndBinaryDoNotStopTheReader)
{
    TempDir dir;
    WriteFile("in.txt", std::string("a\0b\n", 4) + "\x01\x02\xff\n" + "end\n");
    const std::vector<wxString> values = ReadAllValues("in.txt", 4);
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[2], wxString(L"end"));
    EXPECT_EQ(values[3], wxString());
}

TEST(TextFileWriter, WritesLinesEndedByOneLineFeed)
{
    TempDir dir;
    ASSERT_TRUE(WriteLines("out.txt", {wxString(L"#a"), wxString(), wxString(L"1")}));
    EXPECT_EQ(ReadFile("out.txt"), "#a\n\n1\n");
}

TEST(TextFileWriter, ReplacesTheWholeFile)
{
    TempDir dir;
    WriteFile("out.txt", std::string(10000, 'x'));
    ASSERT_TRUE(WriteLines("out.txt", {wxString(L"short")}));
    EXPECT_EQ(ReadFile("out.txt"), "short\n");
}

TEST(TextFileWriter, FailsAtOnceWhereAPlainOpenWouldFail)
{
    TempDir dir;
    MakeDir("folder");
    EXPECT_FALSE(TextFileWriter(wxString(L"missing/out.txt")).IsOpened());
    EXPECT_FALSE(TextFileWriter(wxString(L"folder")).IsOpened());
    EXPECT_FALSE(TextFileWriter(wxString()).IsOpened());
    EXPECT_FALSE(FileExists("missing"));
}

TEST(TextFileWriter, LeavesAReadOnlyFileAlone)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write to read-only files";
    TempDir dir;
    WriteFile("out.txt", "old\n");
    chmod("out.txt", 0444);
    EXPECT_FALSE(TextFileWriter(wxString(L"out.txt")).IsOpened());
    EXPECT_EQ(ReadFile("out.txt"), "old\n");
}

TEST(TextFileWriter, UncommittedWritesLeaveNoTrace)
{
    TempDir dir;
    WriteFile("old.txt", "old\n");
    {
        TextFileWriter writer(wxString(L"old.txt"));
        TextFileWriter created(wxString(L"new.txt"));
        ASSERT_TRUE(writer.IsOpened() && created.IsOpened());
        WriteLine(writer.Stream(), wxString(L"new"));
    }
    EXPECT_EQ(ReadFile("old.txt"), "old\n");
    EXPECT_FALSE(FileExists("new.txt"));
    EXPECT_EQ(std::system("test $(ls -A | wc -l) -eq 1"), 0) << "a temporary file was left";
}

TEST(TextFileWriter, KeepsPermissionsAndWritesThroughLinks)
{
    TempDir dir;
    MakeDir("real");
    WriteFile("real/config.txt", "old\n");
    chmod("real/config.txt", 0640);
    ASSERT_EQ(symlink("real/config.txt", "link.txt"), 0);

    ASSERT_TRUE(WriteLines("link.txt", {wxString(L"new")}));
    EXPECT_EQ(ReadFile("real/config.txt"), "new\n");
    EXPECT_EQ(ModeOf("real/config.txt"), 0640u);
    char target[256] = {};
    ASSERT_GT(readlink("link.txt", target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), "real/config.txt") << "the link itself stays a link";
}

TEST(TextFileWriter, ASaveCutShortByTheFileSizeLimitLeavesTheOldFile)
{
    TempDir dir;
    const std::string old = "old contents\n";
    WriteFile("config.txt", old);

    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool committed = WriteLines("config.txt", std::vector<wxString>(500, wxString(L"0123456789")));
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_FALSE(committed);
    EXPECT_EQ(ReadFile("config.txt"), old);
    EXPECT_EQ(std::system("test $(ls -A | wc -l) -eq 1"), 0) << "a temporary file was left";
}
