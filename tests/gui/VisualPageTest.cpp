// The visual page: the image list, the font list with its sizes, the
// defaults that come from the default font list, and the reload after a
// list file is chosen in the dialog.
#include <gtest/gtest.h>

#include "pages/VisualPage.h"
#include "support/ListPages.h"
#include "support/MemoryStreams.h"

namespace
{
class VisualPageTest : public testing::Test
{
protected:
    VisualPageTest()
    {
        MakeDir("Image");
        MakeDir("Font");
    }

    std::vector<std::string> Fonts() const
    {
        return {B(page->FontPath(VisualPage::titleFont)->GetPath()),
                std::to_string(page->FontSize(VisualPage::titleFont)->GetValue()),
                B(page->FontPath(VisualPage::systemFont)->GetPath()),
                std::to_string(page->FontSize(VisualPage::systemFont)->GetValue())};
    }
    void SetFonts(const char* title, int titleSize, const char* system, int systemSize)
    {
        page->FontPath(VisualPage::titleFont)->SetPath(U(title));
        page->FontSize(VisualPage::titleFont)->SetValue(titleSize);
        page->FontPath(VisualPage::systemFont)->SetPath(U(system));
        page->FontSize(VisualPage::systemFont)->SetValue(systemSize);
    }

    PageInTempDir<VisualPage> fixture;
    VisualPage* page = fixture.page;
};

std::string FontList(const std::string& title, const std::string& titleSize,
                     const std::string& system, const std::string& systemSize)
{
    return Lines({"#Config File for Fonts", "", "#Title Font", title, "#Title Font Size", titleSize,
                  "#System Font", system, "#System Font Size", systemSize, "", "#End of File"});
}

const std::vector<std::string> defaultImages = {
    "./Image/canvas.jpg", "./Image/henoheno.png", "./Image/background.jpg",
    "./Image/floor.jpg",  "./Image/roof.jpg",     "./Image/ads.png"};
}

TEST_F(VisualPageTest, ControlsAreCreatedInListOrderAndStartUnfilled)
{
    EXPECT_EQ(ControlsInOrder(page),
              (std::vector<std::string>{
                  "ファイル名", "ファイル名", "<file>", "<file>",
                  "キャンバス", "顔", "背景", "床", "天井", "コーナー広告",
                  "<file>", "<file>", "<file>", "<file>", "<file>", "<file>",
                  "タイトル", "サイズ(タイトル)", "システム", "サイズ(システム)",
                  "<file>", "<file>", "<size>", "<size>"}));
    EXPECT_EQ(B(page->ImageListSelector()->GetPath()), ".\\");
    EXPECT_EQ(B(page->FontListSelector()->GetPath()), ".\\");
    EXPECT_EQ(PathsOf(page->ImageSlots()), std::vector<std::string>(6, ".\\"));
    EXPECT_EQ(B(page->FontPath(VisualPage::systemFont)->GetPath()), ".\\");
}

TEST_F(VisualPageTest, EachSelectorBrowsesItsKindOfFile)
{
    const std::string fontWildcard = "フォント(*.ttf;*.ttc)|*.ttf;*.ttc";
    EXPECT_EQ(BrowseSettingsOf(page->ImageListSelector()),
              (BrowseSettings{"設定ファイル", "Text (*.txt)|*.txt", "./Image", true}));
    EXPECT_EQ(BrowseSettingsOf(page->FontListSelector()),
              (BrowseSettings{"設定ファイル", "Text (*.txt)|*.txt", "./Font", true}));
    for (myFileSelect* slot : page->ImageSlots())
        EXPECT_EQ(BrowseSettingsOf(slot),
                  (BrowseSettings{"画像ファイル",
                                  "画像 (*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm)|"
                                  "*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm",
                                  "./Image", true}));
    // a system font usually lies outside the game: it keeps its absolute path
    EXPECT_EQ(BrowseSettingsOf(page->FontPath(VisualPage::titleFont)),
              (BrowseSettings{"フォントファイル", fontWildcard, "./Font", true}));
    EXPECT_EQ(BrowseSettingsOf(page->FontPath(VisualPage::systemFont)),
              (BrowseSettings{"フォントファイル", fontWildcard, "./Font", false}));
}

TEST_F(VisualPageTest, DefaultsTakeTheFontsFromTheDefaultFontList)
{
    WriteFile("Font/fontcf.txt", FontList("./Font/title.ttf", "48", "/usr/share/sys.ttc", "20"));
    page->SetDefaults();
    EXPECT_EQ(B(page->ImageListSelector()->GetPath()), "./Image/imagecf.txt");
    EXPECT_EQ(B(page->FontListSelector()->GetPath()), "./Font/fontcf.txt");
    EXPECT_EQ(PathsOf(page->ImageSlots()), defaultImages);
    EXPECT_EQ(Fonts(), (std::vector<std::string>{"./Font/title.ttf", "48", "/usr/share/sys.ttc", "20"}));

    ASSERT_TRUE(page->WriteImageListFile());
    EXPECT_EQ(ReadFile("Image/imagecf.txt"),
              Lines({"#Config File for Images", "", "#Ring Canvas Image", "./Image/canvas.jpg",
                     "#Face Image", "./Image/henoheno.png", "#Background Image",
                     "./Image/background.jpg", "#Floor Image", "./Image/floor.jpg", "#Roof Image",
                     "./Image/roof.jpg", "#Ring Ad's Image", "./Image/ads.png", "",
                     "#End of File"}));
    ASSERT_TRUE(page->WriteFontListFile());
    EXPECT_EQ(ReadFile("Font/fontcf.txt"),
              FontList("./Font/title.ttf", "48", "/usr/share/sys.ttc", "20"));
}

TEST_F(VisualPageTest, DefaultsWithoutTheFontListKeepTheFonts)
{
    SetFonts("mine.ttf", 36, "/abs/sys.ttf", 12);
    page->SetDefaults();
    EXPECT_EQ(B(page->ImageListSelector()->GetPath()), "./Image/imagecf.txt");
    EXPECT_EQ(B(page->FontListSelector()->GetPath()), "./Font/fontcf.txt");
    EXPECT_EQ(PathsOf(page->ImageSlots()), defaultImages);
    EXPECT_EQ(Fonts(), (std::vector<std::string>{"mine.ttf", "36", "/abs/sys.ttf", "12"}));
}

TEST_F(VisualPageTest, FontSizesReadTheirLeadingNumberAndTheSliderHoldsItInRange)
{
    struct Case
    {
        const char* line;
        int held;    // what the slider holds, and what is written back
    };
    const Case cases[] = {
        {"24pt", 24}, {"x24", 8},  {"  +64", 64}, {"-20", 8},
        {"500", 128}, {"16.9", 16}, {"", 8},
    };
    page->SetDefaults();
    for (const Case& c : cases)
    {
        SetFonts("t.ttf", 100, "s.ttf", 100);
        // an empty size line is skipped: the system font path reads as the
        // title size and the rest moves up
        WriteFile("Font/fontcf.txt", Lines({"t.ttf", c.line, "s.ttf", "40"}));
        ASSERT_TRUE(page->ReadFontListFile()) << c.line;
        EXPECT_EQ(page->FontSize(VisualPage::titleFont)->GetValue(), c.held) << c.line;
        ASSERT_TRUE(page->WriteFontListFile());
        if (*c.line)
            EXPECT_EQ(ReadFile("Font/fontcf.txt"),
                      FontList("t.ttf", std::to_string(c.held), "s.ttf", "40"))
                << c.line;
        else
            EXPECT_EQ(ReadFile("Font/fontcf.txt"), FontList("t.ttf", "8", "40", "8"));
    }
}

TEST_F(VisualPageTest, ImagesReadInOrderAndMissingOnesBecomeEmpty)
{
    page->SetDefaults();
    WriteFile("Image/imagecf.txt",
              Lines({"#Config File for Images", "", "#Face Image", "a.png", "", "#x", "b.png"}));
    ASSERT_TRUE(page->ReadImageListFile());
    EXPECT_EQ(PathsOf(page->ImageSlots()), Padded({"a.png", "b.png"}, 6));

    // an emptied slot keeps its place in the file
    FillSlots(page->ImageSlots(), {"", "f.png", "", "", "", "z.png"});
    ASSERT_TRUE(page->WriteImageListFile());
    page->SetDefaults();
    ASSERT_TRUE(page->ReadImageListFile());
    EXPECT_EQ(PathsOf(page->ImageSlots()),
              (std::vector<std::string>{"", "f.png", "", "", "", "z.png"}));
}

TEST_F(VisualPageTest, ListPathsAndMissingFiles)
{
    page->SetDefaults();
    EXPECT_EQ(WrittenBy([&](wxTextOutputStream& out) {
                  page->WriteFontListPath(out);
                  page->WriteImageListPath(out);
              }),
              "./Font/fontcf.txt\n./Image/imagecf.txt\n");
    ReadFrom(Lines({"#c", "f/fonts.txt", "", "i/images.txt"}), [&](wxTextInputStream& in) {
        EXPECT_TRUE(page->ReadFontListPath(in));
        EXPECT_TRUE(page->ReadImageListPath(in));
    });
    SetFonts("kept.ttf", 40, "kept.ttc", 44);
    EXPECT_FALSE(page->ReadFontListFile());
    EXPECT_FALSE(page->ReadImageListFile());
    EXPECT_EQ(Fonts(), (std::vector<std::string>{"kept.ttf", "40", "kept.ttc", "44"}));
    EXPECT_EQ(PathsOf(page->ImageSlots()), defaultImages);
    EXPECT_FALSE(page->WriteFontListFile());
    EXPECT_FALSE(page->WriteImageListFile());
}

TEST_F(VisualPageTest, OnlyAListFileChosenInTheDialogIsReloaded)
{
    page->SetDefaults();
    SetFonts("old.ttf", 32, "old.ttc", 32);
    WriteFile("Font/new.txt", FontList("n.ttf", "64", "n.ttc", "16"));
    WriteFile("Image/new.txt", Lines({"1.png", "2.png", "3.png", "4.png", "5.png", "6.png"}));
    const std::vector<std::string> oldFonts{"old.ttf", "32", "old.ttc", "32"};
    const std::vector<std::string> newFonts{"n.ttf", "64", "n.ttc", "16"};
    const std::vector<std::string> newImages{"1.png", "2.png", "3.png", "4.png", "5.png", "6.png"};

    {
        DialogAnswer cancel{wxString()};
        ClickButton(BrowseButtonOf(page->FontListSelector()));
        page->ImageListSelector()->SetPath(wxString(L"Image/new.txt"));    // typed
        ClickButton(BrowseButtonOf(page->ImageSlots()[0]));
    }
    EXPECT_EQ(Fonts(), oldFonts);
    EXPECT_EQ(PathsOf(page->ImageSlots()), defaultImages);

    {
        DialogAnswer answer(U(fixture.dir.Path() + "/Font/new.txt"));
        ClickButton(BrowseButtonOf(page->FontListSelector()));
    }
    EXPECT_EQ(B(page->FontListSelector()->GetPath()), "Font/new.txt");
    EXPECT_EQ(Fonts(), newFonts);
    EXPECT_EQ(PathsOf(page->ImageSlots()), defaultImages);

    {
        DialogAnswer answer(U(fixture.dir.Path() + "/Image/new.txt"));
        ClickButton(BrowseButtonOf(page->ImageListSelector()));
    }
    EXPECT_EQ(PathsOf(page->ImageSlots()), newImages);
    EXPECT_FALSE(page->ImageListSelector()->pathChosen);
    EXPECT_FALSE(page->FontListSelector()->pathChosen);
}

TEST_F(VisualPageTest, ASystemFontStaysAbsoluteAndATitleFontBecomesRelative)
{
    const std::string chosen = fixture.dir.Path() + "/Font/b.ttf";
    DialogAnswer answer(U(chosen));
    ClickButton(BrowseButtonOf(page->FontPath(VisualPage::titleFont)));
    ClickButton(BrowseButtonOf(page->FontPath(VisualPage::systemFont)));
    EXPECT_EQ(B(page->FontPath(VisualPage::titleFont)->GetPath()), "Font/b.ttf");
    EXPECT_EQ(B(page->FontPath(VisualPage::systemFont)->GetPath()), chosen);
}
