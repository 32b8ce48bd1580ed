#include "pages/VisualPage.h"

#include "controls/PathField.h"
#include "settings/FixedList.h"
#include "settings/FontList.h"
#include "settings/Translated.h"

VisualPage::VisualPage(wxWindow* parent, FixedList& imageList, FontList& fontList)
    : SettingsPage(parent),
      imagePath(imageList),
      fontPath(fontList),
      images(imageList.slots, imageFiles),
      fontPaths(fontList.paths, fontFiles),
      fontSizes(fontList.sizes)
{
}

void VisualPage::CreateControls()
{
    imagePath.Create(*this, imageFiles.startDir);
    fontPath.Create(*this, fontFiles.startDir);
    images.Create(*this);
    fontPaths.Create(*this);
    // a system font chosen in the dialog keeps its absolute path (it
    // usually lies outside the game's directory)
    FontPath(FontList::systemFont)->relativeMode = false;
    fontSizes.CreateControls(*this);
}

void VisualPage::LayOut(PageLayout& layout) const
{
    imagePath.LayoutGroup(layout, 0, _(L"イメージ設定ファイル"));
    images.LayoutRows(layout, layout.AddGroup(0, _(L"イメージ")));
    fontPath.LayoutGroup(layout, 1, _(L"フォント設定ファイル"));
    wxSizer* fonts = layout.AddGroup(1, _(L"フォント"));
    for (size_t font = 0; font < FontList::fontCount; ++font)
    {
        fontPaths.LayoutRow(layout, fonts, font);
        fontSizes.LayoutRow(layout, fonts, font);
    }
}
