#include "pages/VisualPage.h"

#include "controls/PathField.h"
#include "settings/FixedList.h"
#include "settings/FontList.h"

namespace
{
const wchar_t imageDir[] = L"./Image";
const wchar_t fontDir[] = L"./Font";

SlotFiles ImageFiles()
{
    return {L"画像ファイル",
            L"画像 (*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm)|"
            L"*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm",
            imageDir};
}

SlotFiles FontFiles()
{
    return {L"フォントファイル", L"フォント(*.ttf;*.ttc)|*.ttf;*.ttc", fontDir};
}
}

VisualPage::VisualPage(wxWindow* parent, FixedList& imageList, FontList& fontList)
    : SettingsPage(parent),
      imagePath(imageList),
      fontPath(fontList),
      images(imageList.slots, ImageFiles()),
      fontPaths(fontList.paths, FontFiles()),
      fontSizes(fontList.sizes)
{
}

void VisualPage::CreateControls()
{
    imagePath.Create(*this, imageDir);
    fontPath.Create(*this, fontDir);
    images.CreateLabels(this);
    images.CreateSelectors(*this);
    fontPaths.CreateLabels(this);
    fontPaths.CreateSelectors(*this);
    // a system font chosen in the dialog keeps its absolute path (it
    // usually lies outside the game's directory)
    FontPath(FontList::systemFont)->relativeMode = false;
    fontSizes.CreateControls(*this);

    PageLayout layout(this, 2);
    wxSizer* imageListGroup = layout.AddGroup(0, L"イメージ設定ファイル", wxHORIZONTAL);
    layout.AddRow(imageListGroup, imagePath.Label(), imagePath.Selector());
    images.LayoutRows(layout, layout.AddGroup(0, L"イメージ"));

    wxSizer* fontListGroup = layout.AddGroup(1, L"フォント設定ファイル", wxHORIZONTAL);
    layout.AddRow(fontListGroup, fontPath.Label(), fontPath.Selector());
    wxSizer* fonts = layout.AddGroup(1, L"フォント");
    for (size_t font = 0; font < FontList::fontCount; ++font)
    {
        layout.AddRow(fonts, fontPaths.Captions().at(font), FontPath(font));
        layout.AddRow(fonts, fontSizes.CaptionOf(font), FontSize(font));
    }
    layout.Finish();
}
