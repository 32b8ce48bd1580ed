// The audio page: the music and sound-effect list files, their bytes and
// how they are read.
#include <gtest/gtest.h>

#include "pages/AudioPage.h"
#include "support/ListPages.h"

namespace
{
class AudioPageTest : public testing::Test
{
protected:
    AudioPageTest() { page->SetDefaults(); }

    PageInTempDir<AudioPage> fixture{"BGM", "SE"};
    AudioPage* page = fixture.page;
};

const std::vector<std::string> defaultBgm = {"./BGM/selectgm.mid", "./BGM/kokorogm.mid",
                                             "./BGM/cumugm.mid"};
const std::vector<std::string> defaultSe = {
    "./SE/gong.wav",   "./SE/ko.wav",  "./SE/sha00.wav",     "./SE/swing29.wav",
    "./SE/qu.ogg",     "./SE/gun08.wav", "./SE/hit_p01_c.wav", "./SE/hit_s07_a.wav",
    "./SE/bosu00.wav", "./SE/box.ogg", "./SE/break.ogg",     "./SE/down.ogg"};
}

TEST_F(AudioPageTest, DefaultsAndTheirListFilesByteForByte)
{
    EXPECT_EQ(B(page->BgmListSelector()->GetPath()), "./BGM/bgmcf.txt");
    EXPECT_EQ(B(page->SeListSelector()->GetPath()), "./SE/secf.txt");
    ASSERT_TRUE(page->WriteBgmListFile());
    EXPECT_EQ(ReadFile("BGM/bgmcf.txt"),
              Lines({"#Config File for BGM's", "", "#BGM No. 1", "./BGM/selectgm.mid", "#BGM No. 2",
                     "./BGM/kokorogm.mid", "#BGM No. 3", "./BGM/cumugm.mid", "", "#End of File"}));
    ASSERT_TRUE(page->WriteSeListFile());
    EXPECT_EQ(ReadFile("SE/secf.txt"),
              Lines({"#Config File for SE's", "",
                     "#Sound Effect No. 1", "./SE/gong.wav", "#Sound Effect No. 2", "./SE/ko.wav",
                     "#Sound Effect No. 3", "./SE/sha00.wav", "#Sound Effect No. 4", "./SE/swing29.wav",
                     "#Sound Effect No. 5", "./SE/qu.ogg", "#Sound Effect No. 6", "./SE/gun08.wav",
                     "#Sound Effect No. 7", "./SE/hit_p01_c.wav",
                     "#Sound Effect No. 8", "./SE/hit_s07_a.wav",
                     "#Sound Effect No. 9", "./SE/bosu00.wav", "#Sound Effect No. 10", "./SE/box.ogg",
                     "#Sound Effect No. 11", "./SE/break.ogg", "#Sound Effect No. 12", "./SE/down.ogg",
                     "", "#End of File"}));
}

TEST_F(AudioPageTest, ReadingTakesValueLinesInOrderAndEmptiesWhatIsMissing)
{
    struct Case
    {
        const char* name;
        bool music;
        std::string file;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"five sound effects", false,
         Lines({"#Config File for SE's", "", "#Sound Effect No. 1", "a.wav", "b.wav", "c.wav",
                "d.wav", "e.wav", "", "#End of File"}),
         Padded({"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"}, 12)},
        {"music with blank lines and comments", true,
         Lines({"", "#Config File for BGM's", "", "", "# a note", "#BGM No. 7", "", "t.ogg", "",
                "#", "", "#BGM No. 1", "  spaced name.ogg ", "", "", "m.ogg", "", "#End of File"}),
         {"t.ogg", "  spaced name.ogg ", "m.ogg"}},
        {"music lines beyond the slots are ignored", true, Lines({"1.mid", "2.mid", "3.mid", "4.mid"}),
         {"1.mid", "2.mid", "3.mid"}},
        {"music in CR LF lines", true, "#Config File for BGM's\r\n\r\na.mid\r\nb.mid\r\nc.mid\r\n",
         {"a.mid", "b.mid", "c.mid"}},
        {"an empty music file", true, "", {"", "", ""}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        page->SetDefaults();
        WriteFile(c.music ? "BGM/bgmcf.txt" : "SE/secf.txt", c.file);
        EXPECT_TRUE(c.music ? page->ReadBgmListFile() : page->ReadSeListFile());
        EXPECT_EQ(PathsOf(c.music ? page->BgmSlots() : page->SeSlots()), c.expected);
        // the other list is not touched
        EXPECT_EQ(PathsOf(c.music ? page->SeSlots() : page->BgmSlots()), c.music ? defaultSe : defaultBgm);
    }
}
