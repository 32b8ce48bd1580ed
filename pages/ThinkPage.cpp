#include "pages/ThinkPage.h"

#include <wx/txtstrm.h>

#include "app/PageLayout.h"
#include "app/TextFileReader.h"
#include "app/TextFileWriter.h"
#include "app/ValueLine.h"
#include "controls/myFileSelect.h"
#include "controls/myLabel.h"

namespace
{
const size_t entryCount = 15;
const wchar_t dataDir[] = L"./Data";
const wchar_t defaultList[] = L"./Data/thinkcf.txt";

SlotFiles ThinkFiles()
{
    return {L"思考ファイル", L"思考 (*.thk)|*.thk", dataDir};
}
}

// ----------------------------------------------------------------------------
// event table
// ----------------------------------------------------------------------------

wxBEGIN_EVENT_TABLE(ThinkPage, myPage)
    EVT_BUTTON(wxID_ANY, ThinkPage::OnButtonClicked)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

ThinkPage::ThinkPage(wxWindow* parent)
    : myPage(parent), entries(NumberedRows(wxString(L"作戦 No.%d "), entryCount), ThinkFiles())
{
    CreateControls();
    LayoutControls();
}

void ThinkPage::CreateControls()
{
    listLabel = new myLabel(this, listFileCaption);
    list = new myFileSelect(this, unfilledPathText);
    list->startDir = dataDir;

    entries.CreateLabels(this);
    entries.CreateSelectors(this);
}

void ThinkPage::LayoutControls()
{
    PageLayout layout(this, 1);
    wxSizer* listGroup = layout.AddGroup(0, wxString(L"作戦設定ファイル"), wxHORIZONTAL);
    layout.AddRow(listGroup, listLabel, list);
    entries.LayoutRows(layout, layout.AddGroup(0, wxString(L"思考ファイル")));
    layout.Finish();
}

// ----------------------------------------------------------------------------
// page contract
// ----------------------------------------------------------------------------

// Without the default list the entries stay empty and nothing is shown.
void ThinkPage::SetDefaults()
{
    list->SetPath(defaultList);
    entries.SetDefaults();
    ReadListFile();
}

bool ThinkPage::WriteListPath(wxTextOutputStream& out)
{
    WriteListPathLine(out, *list);
    return true;
}

bool ThinkPage::ReadListPath(wxTextInputStream& in)
{
    ReadListPathLine(in, *list);
    return true;    // an unusable path fails when the list is read
}

// ----------------------------------------------------------------------------
// the think list
// ----------------------------------------------------------------------------

bool ThinkPage::WriteListFile()
{
    TextFileWriter file(list->GetPath());
    if (!file.IsOpened())
        return false;
    wxTextOutputStream& out = file.Stream();

    WriteLine(out, wxString(L"#Config File for Think Data"));
    WriteLine(out, wxString());
    WriteCountedSlots(out, wxString(L"#Think Number"), wxString(L"#Think No. %d"),
                      entries.Selectors());
    WriteEndOfFile(out);
    return file.Commit();
}

bool ThinkPage::ReadListFile()
{
    TextFileReader file(list->GetPath());
    if (!file.IsOpened())
        return false;
    wxTextInputStream& in = file.Stream();

    ReadCountedSlots(in, entries.Selectors());
    return true;
}

// ----------------------------------------------------------------------------
// handlers
// ----------------------------------------------------------------------------

// Runs after a selector's browse button did its work: a list file newly
// chosen in the dialog is read at once; nothing is shown if it cannot be.
void ThinkPage::OnButtonClicked(wxCommandEvent&)
{
    if (TakePathChosen(*list))
        ReadListFile();
}
