// The seventh tab: the image list (6 slots) and the font list (two fonts
// and their sizes), two list files named in config.txt.
#pragma once

#include "pages/ListPathField.h"
#include "pages/SettingControls.h"
#include "pages/SlotControls.h"
#include "pages/SettingsPage.h"

class FixedList;
class FontList;

class VisualPage : public SettingsPage
{
public:
    VisualPage(wxWindow* parent, FixedList& imageList, FontList& fontList);

    PathField* ImageListSelector() const { return imagePath.Selector(); }
    PathField* FontListSelector() const { return fontPath.Selector(); }
    const std::vector<PathField*>& ImageSlots() const { return images.Selectors(); }
    // by FontList::Font
    PathField* FontPath(int font) const { return fontPaths.Selectors().at(font); }
    wxWindow* FontSize(int font) const { return fontSizes.Control(font); }

private:
    void CreateControls() override;
    void LayOut(PageLayout& layout) const override;

    ListPathField imagePath;
    ListPathField fontPath;
    SlotControls images;
    SlotControls fontPaths;
    SettingControls fontSizes;
};
