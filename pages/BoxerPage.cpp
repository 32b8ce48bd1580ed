#include "pages/BoxerPage.h"

#include <wx/txtstrm.h>

#include "app/PageLayout.h"
#include "app/ProgramLauncher.h"
#include "app/TextFileReader.h"
#include "app/TextFileWriter.h"
#include "app/ValueLine.h"
#include "controls/myFileSelect.h"
#include "controls/myLabel.h"

namespace
{
// ----------------------------------------------------------------------------
// the members and the sparring partners
// ----------------------------------------------------------------------------

const size_t memberCount = 30;
// the first boxer box holds members 1 to 14, the second the rest
const size_t firstBoxRows = 14;
const wchar_t dataDir[] = L"./Data";
const wchar_t defaultList[] = L"./Data/datacf.txt";

SlotFiles MemberFiles()
{
    return {L"ボクサーファイル", L"Boxer (*.box)|*.box", dataDir};
}

// one value of a sparring partner: its name line after "#No.n " (with the
// range), and its default
struct SparringValue
{
    const wchar_t* name;
    int defaultValue;
};

const SparringValue sparringValues[BoxerPage::partnerValueCount] = {
    {L"Height 1-7", 4},
    {L"Reach 1-7", 4},
    {L"Style 1-7", 1},
    {L"Stance  0 : Orthodox  1 : Southpaw", 0},
    {L"Combination 1-20", 1},
    {L"Think 1-14", 1},
    {L"Gloves 1-8", 1},
    {L"Trunks 1-64", 1},
    {L"Skin 1-10", 3},
};
}

// ----------------------------------------------------------------------------
// event table
// ----------------------------------------------------------------------------

wxBEGIN_EVENT_TABLE(BoxerPage, myPage)
    EVT_BUTTON(wxID_ANY, BoxerPage::OnButtonClicked)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

BoxerPage::BoxerPage(wxWindow* parent)
    : myPage(parent), members(NumberedRows(wxString(L"ボクサー No.%d "), memberCount), MemberFiles())
{
    for (auto& partner : sparring)
        for (int i = 0; i < partnerValueCount; ++i)
            partner[i] = sparringValues[i].defaultValue;
    CreateControls();
    LayoutControls();
}

void BoxerPage::CreateControls()
{
    listLabel = new myLabel(this, listFileCaption);
    list = new myFileSelect(this, unfilledPathText);
    list->startDir = dataDir;

    members.CreateButtons(this);
    members.CreateSelectors(this);
}

void BoxerPage::LayoutControls()
{
    PageLayout layout(this, 2);
    wxSizer* listGroup = layout.AddGroup(0, wxString(L"データ設定ファイル"), wxHORIZONTAL);
    layout.AddRow(listGroup, listLabel, list);
    members.LayoutRows(layout, layout.AddGroup(0, wxString(L"ボクサーデータ")), 0, firstBoxRows);
    members.LayoutRows(layout, layout.AddGroup(1, wxString(L"ボクサーデータ")), firstBoxRows,
                       memberCount);
    layout.Finish();
}

// ----------------------------------------------------------------------------
// page contract
// ----------------------------------------------------------------------------

// Without the default list the members stay empty and nothing is shown.
void BoxerPage::SetDefaults()
{
    list->SetPath(defaultList);
    members.SetDefaults();
    ReadListFile();
}

bool BoxerPage::WriteListPath(wxTextOutputStream& out)
{
    WriteListPathLine(out, *list);
    return true;
}

bool BoxerPage::ReadListPath(wxTextInputStream& in)
{
    ReadListPathLine(in, *list);
    return true;    // an unusable path fails when the list is read
}

// ----------------------------------------------------------------------------
// the boxer data list
// ----------------------------------------------------------------------------

bool BoxerPage::WriteListFile()
{
    TextFileWriter file(list->GetPath());
    if (!file.IsOpened())
        return false;
    wxTextOutputStream& out = file.Stream();

    WriteLine(out, wxString(L"#Config File for Boxer Data"));
    WriteLine(out, wxString());
    WriteCountedSlots(out, wxString(L"#Gym Member Number"), wxString(L"#Data No. %d"),
                      members.Selectors());

    WriteLine(out, wxString());
    WriteLine(out, wxString(L"#Sparring Custom Config"));
    for (int partner = 0; partner < partnerCount; ++partner)
        for (int i = 0; i < partnerValueCount; ++i)
        {
            WriteLine(out, wxString::Format(L"#No.%d %s", partner + 1, sparringValues[i].name));
            WriteLine(out, wxString::Format(L"#Default %d", sparringValues[i].defaultValue));
            WriteIntValue(out, sparring[partner][i]);
        }
    WriteEndOfFile(out);
    return file.Commit();
}

// The count says how many path lines follow; the sparring values are the
// value lines after them, whatever those lines hold.
bool BoxerPage::ReadListFile()
{
    TextFileReader file(list->GetPath());
    if (!file.IsOpened())
        return false;
    wxTextInputStream& in = file.Stream();

    ReadCountedSlots(in, members.Selectors());
    for (auto& partner : sparring)
        for (int& value : partner)
            value = ReadIntValue(in);
    return true;
}

// ----------------------------------------------------------------------------
// handlers
// ----------------------------------------------------------------------------

// A member's button opens its boxer file in the boxer editor; then, for
// every click (the selectors' browse buttons too), a list file newly chosen
// in the dialog is read at once.
void BoxerPage::OnButtonClicked(wxCommandEvent& event)
{
    const Slots& slots = members.Selectors();
    const std::vector<wxWindow*>& buttons = members.Captions();
    for (size_t k = 0; k < buttons.size(); ++k)
        if (event.GetEventObject() == buttons[k] && !slots[k]->GetPath().empty())
            StartProgram(boxerEditorProgram, slots[k]->GetPath());

    if (TakePathChosen(*list))
        ReadListFile();
}
