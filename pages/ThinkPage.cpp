#include "pages/ThinkPage.h"

#include "settings/ThinkList.h"

namespace
{
const wchar_t dataDir[] = L"./Data";
}

wxBEGIN_EVENT_TABLE(ThinkPage, SettingsPage)
    EVT_BUTTON(wxID_ANY, ThinkPage::OnButtonClicked)
wxEND_EVENT_TABLE()

ThinkPage::ThinkPage(wxWindow* parent, ThinkList& thinkList)
    : SettingsPage(parent),
      listPath(thinkList),
      entries(thinkList.entries, {L"思考ファイル", L"思考 (*.thk)|*.thk", dataDir})
{
}

void ThinkPage::CreateControls()
{
    listPath.Create(this, dataDir);
    entries.CreateLabels(this);
    entries.CreateSelectors(this);

    PageLayout layout(this, 1);
    wxSizer* listGroup = layout.AddGroup(0, L"作戦設定ファイル", wxHORIZONTAL);
    layout.AddRow(listGroup, listPath.Label(), listPath.Selector());
    entries.LayoutRows(layout, layout.AddGroup(0, L"思考ファイル"));
    layout.Finish();
}

void ThinkPage::TransferToControls()
{
    listPath.ShowSettings();
    entries.ShowSettings();
}

void ThinkPage::TransferFromControls()
{
    listPath.StoreEdits();
    entries.StoreEdits();
}

// Runs after a selector's browse button did its work: a list file newly
// chosen in the dialog is read at once.
void ThinkPage::OnButtonClicked(wxCommandEvent&)
{
    ChangeSettings([this] { listPath.ReloadIfChosen(); });
}
