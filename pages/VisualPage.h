// The seventh tab: the image list (6 slots) and the font list (two fonts
// and their sizes), two list files named in config.txt.
#pragma once

#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class VisualPage : public myPage
{
public:
    explicit VisualPage(wxWindow* parent);

    void SetDefaults() override;

    bool WriteImageListPath(wxTextOutputStream& out);
    bool ReadImageListPath(wxTextInputStream& in);
    bool WriteImageListFile();
    bool ReadImageListFile();

    bool WriteFontListPath(wxTextOutputStream& out);
    bool ReadFontListPath(wxTextInputStream& in);
    bool WriteFontListFile();
    bool ReadFontListFile();
};
