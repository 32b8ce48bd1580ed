// The seventh tab: the image list (6 slots) and the font list (two fonts
// and their sizes), two list files named in config.txt.
#pragma once

#include <vector>

#include "app/SlotTable.h"
#include "app/myPage.h"

class myFileSelect;
class myLabel;
class mySlider;
class wxTextInputStream;
class wxTextOutputStream;

class VisualPage : public myPage
{
public:
    explicit VisualPage(wxWindow* parent);

    // the fonts, in list order
    enum Font
    {
        titleFont,
        systemFont
    };

    void SetDefaults() override;

    bool WriteImageListPath(wxTextOutputStream& out);
    bool ReadImageListPath(wxTextInputStream& in);
    bool WriteImageListFile();
    bool ReadImageListFile();

    bool WriteFontListPath(wxTextOutputStream& out);
    bool ReadFontListPath(wxTextInputStream& in);
    bool WriteFontListFile();
    bool ReadFontListFile();

    myFileSelect* ImageListSelector() const { return imageList; }
    myFileSelect* FontListSelector() const { return fontList; }
    const Slots& ImageSlots() const { return images.Selectors(); }
    myFileSelect* FontPath(Font font) const { return fontPaths.at(font); }
    mySlider* FontSize(Font font) const { return fontSizes.at(font); }

private:
    void CreateControls();
    void LayoutControls();

    void OnButtonClicked(wxCommandEvent& event);

    myLabel* imageListLabel;
    myLabel* fontListLabel;
    myFileSelect* imageList;
    myFileSelect* fontList;
    SlotTable images;
    // per font: the path caption, then the size caption
    std::vector<myLabel*> fontLabels;
    std::vector<myFileSelect*> fontPaths;
    std::vector<mySlider*> fontSizes;

    wxDECLARE_EVENT_TABLE();
};
