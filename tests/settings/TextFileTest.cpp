// Files in and out: bytes kept exactly, and saves that never damage a file.
// (A save cut short by the file-size limit: the e2e test.)
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/TextFileReader.h"
#include "settings/TextFileWriter.h"
#include "settings/ValueLine.h"
#include "support/TempDir.h"

namespace
{
bool WriteLines(const std::string& name, const std::vector<wxString>& lines)
{
    TextFileWriter writer(wxString::FromUTF8(name.c_str()));
    if (!writer.IsOpened())
        return false;
    for (const wxString& line : lines)
        WriteLine(writer.Stream(), line);
    return writer.Commit();
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
        TextFileReader reader(wxString(L"in.txt"));
        ASSERT_TRUE(reader.IsOpened());
        const wxString value = ReadValueLine(reader.Stream());
        if (name == names[1])
            EXPECT_EQ(value, wxString(L"ボクサー")) << "valid UTF-8 is read as text";
        ASSERT_TRUE(WriteLines("out.txt", {value}));
        EXPECT_EQ(ReadFile("out.txt"), name + "\n");
    }
}

TEST(TextFile, ReaderAndWriterFailWhereAPlainOpenWouldFail)
{
    TempDir dir;
    MakeDir("folder");
    WriteFile("locked.txt", "1\n");
    chmod("locked.txt", 0);
    for (const wchar_t* path : {L"missing/out.txt", L"folder", L""})
    {
        EXPECT_FALSE(TextFileReader(wxString(path)).IsOpened()) << path;
        EXPECT_FALSE(TextFileWriter(wxString(path)).IsOpened()) << path;
    }
    EXPECT_FALSE(FileExists("missing"));
    if (geteuid() != 0)    // root reads anything
        EXPECT_FALSE(TextFileReader(wxString(L"locked.txt")).IsOpened());
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
    struct stat status = {};
    ASSERT_EQ(stat("real/config.txt", &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    char target[256] = {};
    ASSERT_GT(readlink("link.txt", target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), "real/config.txt") << "the link itself stays a link";
}
