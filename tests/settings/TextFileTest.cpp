// Files in and out: every byte read comes back out exactly. (Saves that
// never damage a file: SaveTransactionTest.)
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "settings/TextFileReader.h"
#include "settings/TextBytes.h"
#include "settings/ValueLine.h"
#include "support/TempDir.h"

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
        EXPECT_EQ(TextBytes([&](wxTextOutputStream& out) { WriteLine(out, value); }), name + "\n");
    }
}

TEST(TextFile, TheReaderFailsWhereAPlainOpenWouldFail)
{
    TempDir dir;
    MakeDir("folder");
    WriteFile("locked.txt", "1\n");
    chmod("locked.txt", 0);
    for (const wchar_t* path : {L"missing/out.txt", L"folder", L""})
        EXPECT_FALSE(TextFileReader(wxString(path)).IsOpened()) << path;
    if (geteuid() != 0)    // root reads anything
        EXPECT_FALSE(TextFileReader(wxString(L"locked.txt")).IsOpened());
}
