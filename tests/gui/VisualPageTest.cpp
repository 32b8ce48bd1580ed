// The visual page: the image list, the font list with its sizes, the
// defaults that come from the default font list, and the system font that
// keeps its absolute path.
#include <gtest/gtest.h>

#include "controls/mySlider.h"
#include "pages/VisualPage.h"
#include "support/ListPages.h"

namespace
{
class VisualPageTest : public testing::Test
{
protected:
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

    PageInTempDir<VisualPage> fixture{"Image", "Font"};
    VisualPage* page = fixture.page;
};

std::string FontList(const std::string& title, const std::string& titleSize,
                     const std::string& system, const std::string& systemSize)
{
    return Lines({"#Config File for Fonts", "", "#Title Font", title, "#Title Font Size", titleSize,
                  "#System Font", system, "#System Font Size", systemSize, "", "#End of File"});
}
}

TEST_F(VisualPageTest, DefaultsTakeTheFontsFromTheDefaultFontListIfThereIsOne)
{
    SetFonts("mine.ttf", 36, "/abs/sys.ttf", 12);
    page->SetDefaults();
    EXPECT_EQ(Fonts(), (std::vector<std::string>{"mine.ttf", "36", "/abs/sys.ttf", "12"}));

    WriteFile("Font/fontcf.txt", FontList("./Font/title.ttf", "48", "/usr/share/sys.ttc", "20"));
    page->SetDefaults();
    EXPECT_EQ(B(page->ImageListSelector()->GetPath()), "./Image/imagecf.txt");
    EXPECT_EQ(B(page->FontListSelector()->GetPath()), "./Font/fontcf.txt");
    EXPECT_EQ(Fonts(), (std::vector<std::string>{"./Font/title.ttf", "48", "/usr/share/sys.ttc", "20"}));

    ASSERT_TRUE(page->WriteImageListFile());
    EXPECT_EQ(ReadFile("Image/imagecf.txt"),
              Lines({"#Config File for Images", "", "#Ring Canvas Image", "./Image/canvas.jpg",
                     "#Face Image", "./Image/henoheno.png", "#Background Image",
                     "./Image/background.jpg", "#Floor Image", "./Image/floor.jpg", "#Roof Image",
                     "./Image/roof.jpg", "#Ring Ad's Image", "./Image/ads.png", "", "#End of File"}));
    ASSERT_TRUE(page->WriteFontListFile());
    EXPECT_EQ(ReadFile("Font/fontcf.txt"), FontList("./Font/title.ttf", "48", "/usr/share/sys.ttc", "20"));
}

TEST_F(VisualPageTest, FontSizesReadTheirLeadingNumberAndTheSliderHoldsItInRange)
{
    const struct
    {
        const char* line;
        int held;    // what the slider holds, and what is written back
    } cases[] = {
        {"24pt", 24}, {"x24", 8}, {"  +64", 64}, {"-20", 8}, {"500", 128}, {"16.9", 16}, {"", 8},
    };
    page->SetDefaults();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.line);
        SetFonts("t.ttf", 100, "s.ttf", 100);
        WriteFile("Font/fontcf.txt", Lines({"t.ttf", c.line, "s.ttf", "40"}));
        ASSERT_TRUE(page->ReadFontListFile());
        EXPECT_EQ(page->FontSize(VisualPage::titleFont)->GetValue(), c.held);
        ASSERT_TRUE(page->WriteFontListFile());
        // an empty size line is skipped: the system font path reads as the
        // title size and the rest moves up
        EXPECT_EQ(ReadFile("Font/fontcf.txt"),
                  *c.line ? FontList("t.ttf", std::to_string(c.held), "s.ttf", "40")
                          : FontList("t.ttf", "8", "40", "8"));
    }
}

TEST_F(VisualPageTest, ImagesReadInOrderAndAnEmptiedSlotKeepsItsPlace)
{
    page->SetDefaults();
    WriteFile("Image/imagecf.txt",
              Lines({"#Config File for Images", "", "#Face Image", "a.png", "", "#x", "b.png"}));
    ASSERT_TRUE(page->ReadImageListFile());
    EXPECT_EQ(PathsOf(page->ImageSlots()), Padded({"a.png", "b.png"}, 6));

    const std::vector<std::string> paths = {"", "f.png", "", "", "", "z.png"};
    FillSlots(page->ImageSlots(), paths);
    ASSERT_TRUE(page->WriteImageListFile());
    page->SetDefaults();
    ASSERT_TRUE(page->ReadImageListFile());
    EXPECT_EQ(PathsOf(page->ImageSlots()), paths);
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
