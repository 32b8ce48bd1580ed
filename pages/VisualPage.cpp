#include "pages/VisualPage.h"

#include <wx/txtstrm.h>

#include "app/PageLayout.h"
#include "app/TextFileReader.h"
#include "app/TextFileWriter.h"
#include "app/ValueLine.h"
#include "controls/myFileSelect.h"
#include "controls/myLabel.h"
#include "controls/mySlider.h"

namespace
{
// ----------------------------------------------------------------------------
// the image slots and the fonts, in list order
// ----------------------------------------------------------------------------

const wchar_t imageDir[] = L"./Image";
const wchar_t fontDir[] = L"./Font";
const wchar_t defaultImageList[] = L"./Image/imagecf.txt";
const wchar_t defaultFontList[] = L"./Font/fontcf.txt";

std::vector<SlotRow> ImageRows()
{
    return {
        {L"キャンバス", L"./Image/canvas.jpg", L"#Ring Canvas Image"},
        {L"顔", L"./Image/henoheno.png", L"#Face Image"},
        {L"背景", L"./Image/background.jpg", L"#Background Image"},
        {L"床", L"./Image/floor.jpg", L"#Floor Image"},
        {L"天井", L"./Image/roof.jpg", L"#Roof Image"},
        {L"コーナー広告", L"./Image/ads.png", L"#Ring Ad's Image"},
    };
}

SlotFiles ImageFiles()
{
    return {L"画像ファイル",
            L"画像 (*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm)|"
            L"*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm",
            imageDir};
}

// The fonts have no defaults of their own: they come from the default font
// list. A system font chosen in the dialog keeps its absolute path (it
// usually lies outside the game's directory).
struct FontEntry
{
    const wchar_t* pathCaption;
    const wchar_t* sizeCaption;
    const wchar_t* pathComment;
    const wchar_t* sizeComment;
    bool relativePath;
};

const FontEntry fontEntries[] = {
    {L"タイトル", L"サイズ(タイトル)", L"#Title Font", L"#Title Font Size", true},
    {L"システム", L"サイズ(システム)", L"#System Font", L"#System Font Size", false},
};

const wchar_t fontMessage[] = L"フォントファイル";
const wchar_t fontWildcard[] = L"フォント(*.ttf;*.ttc)|*.ttf;*.ttc";
const int fontSizeMin = 8, fontSizeMax = 128, fontSizeStep = 4;
}

// ----------------------------------------------------------------------------
// event table
// ----------------------------------------------------------------------------

wxBEGIN_EVENT_TABLE(VisualPage, myPage)
    EVT_BUTTON(wxID_ANY, VisualPage::OnButtonClicked)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

VisualPage::VisualPage(wxWindow* parent)
    : myPage(parent), images(ImageRows(), ImageFiles())
{
    CreateControls();
    LayoutControls();
}

void VisualPage::CreateControls()
{
    imageListLabel = new myLabel(this, listFileCaption);
    fontListLabel = new myLabel(this, listFileCaption);
    imageList = new myFileSelect(this, unfilledPathText);
    imageList->startDir = imageDir;
    fontList = new myFileSelect(this, unfilledPathText);
    fontList->startDir = fontDir;

    images.CreateLabels(this);
    images.CreateSelectors(this);

    for (const FontEntry& entry : fontEntries)
    {
        fontLabels.push_back(new myLabel(this, entry.pathCaption));
        fontLabels.push_back(new myLabel(this, entry.sizeCaption));
    }
    for (const FontEntry& entry : fontEntries)
    {
        auto* path = new myFileSelect(this, unfilledPathText);
        path->message = fontMessage;
        path->wildcard = fontWildcard;
        path->startDir = fontDir;
        path->relativeMode = entry.relativePath;
        fontPaths.push_back(path);
    }
    for (size_t i = 0; i < fontPaths.size(); ++i)
        fontSizes.push_back(new mySlider(this, fontSizeMin, fontSizeMax, fontSizeStep));
}

void VisualPage::LayoutControls()
{
    PageLayout layout(this, 2);
    wxSizer* imageListGroup = layout.AddGroup(0, wxString(L"イメージ設定ファイル"), wxHORIZONTAL);
    layout.AddRow(imageListGroup, imageListLabel, imageList);
    images.LayoutRows(layout, layout.AddGroup(0, wxString(L"イメージ")));

    wxSizer* fontListGroup = layout.AddGroup(1, wxString(L"フォント設定ファイル"), wxHORIZONTAL);
    layout.AddRow(fontListGroup, fontListLabel, fontList);
    wxSizer* fonts = layout.AddGroup(1, wxString(L"フォント"));
    for (size_t i = 0; i < fontPaths.size(); ++i)
    {
        layout.AddRow(fonts, fontLabels[2 * i], fontPaths[i]);
        layout.AddRow(fonts, fontLabels[2 * i + 1], fontSizes[i]);
    }
    layout.Finish();
}

// ----------------------------------------------------------------------------
// page contract
// ----------------------------------------------------------------------------

// The fonts take whatever the default font list holds; without it they
// keep their values, and nothing is shown.
void VisualPage::SetDefaults()
{
    imageList->SetPath(defaultImageList);
    images.SetDefaults();
    fontList->SetPath(defaultFontList);
    ReadFontListFile();
}

// ----------------------------------------------------------------------------
// the image list
// ----------------------------------------------------------------------------

bool VisualPage::WriteImageListPath(wxTextOutputStream& out)
{
    WriteListPathLine(out, *imageList);
    return true;
}

bool VisualPage::ReadImageListPath(wxTextInputStream& in)
{
    ReadListPathLine(in, *imageList);
    return true;    // an unusable path fails when the list is read
}

bool VisualPage::WriteImageListFile()
{
    return WriteFixedListFile(imageList->GetPath(), wxString(L"#Config File for Images"),
                              images.Comments(), images.Selectors());
}

bool VisualPage::ReadImageListFile()
{
    return ReadFixedListFile(imageList->GetPath(), images.Selectors());
}

// ----------------------------------------------------------------------------
// the font list
// ----------------------------------------------------------------------------

bool VisualPage::WriteFontListPath(wxTextOutputStream& out)
{
    WriteListPathLine(out, *fontList);
    return true;
}

bool VisualPage::ReadFontListPath(wxTextInputStream& in)
{
    ReadListPathLine(in, *fontList);
    return true;
}

bool VisualPage::WriteFontListFile()
{
    TextFileWriter file(fontList->GetPath());
    if (!file.IsOpened())
        return false;
    wxTextOutputStream& out = file.Stream();

    WriteLine(out, wxString(L"#Config File for Fonts"));
    WriteLine(out, wxString());
    for (size_t i = 0; i < fontPaths.size(); ++i)
    {
        WriteLine(out, fontEntries[i].pathComment);
        WriteTextValue(out, fontPaths[i]->GetPath());
        WriteLine(out, fontEntries[i].sizeComment);
        WriteIntValue(out, fontSizes[i]->GetValue());
    }
    WriteEndOfFile(out);
    return file.Commit();
}

// A size is handed to the slider as read, which holds it within its range.
bool VisualPage::ReadFontListFile()
{
    TextFileReader file(fontList->GetPath());
    if (!file.IsOpened())
        return false;
    wxTextInputStream& in = file.Stream();

    for (size_t i = 0; i < fontPaths.size(); ++i)
    {
        fontPaths[i]->SetPath(ReadTextValue(in));
        fontSizes[i]->SetValue(ReadIntValue(in));
    }
    return true;
}

// ----------------------------------------------------------------------------
// handlers
// ----------------------------------------------------------------------------

// Runs after a selector's browse button did its work: a list file newly
// chosen in the dialog is read at once; nothing is shown if it cannot be.
void VisualPage::OnButtonClicked(wxCommandEvent&)
{
    if (TakePathChosen(*imageList))
        ReadImageListFile();
    if (TakePathChosen(*fontList))
        ReadFontListFile();
}
