#include "pages/BoxerPage.h"

#include "settings/BoxerList.h"
#include "settings/Translated.h"

namespace
{
const wchar_t memberButtonHelp[] = wxTRANSLATE(L"このボクサーのファイルをBrawnsmithで開きます");
// the first boxer box holds members 1 to 14, the second the rest
const size_t firstBoxRows = 14;
}

wxBEGIN_EVENT_TABLE(BoxerPage, SettingsPage)
    EVT_BUTTON(wxID_ANY, BoxerPage::OnMemberButton)
wxEND_EVENT_TABLE()

BoxerPage::BoxerPage(wxWindow* parent, BoxerList& boxerList, BoxerEditorStarter startBoxerEditor)
    : SettingsPage(parent),
      boxerList(boxerList),
      startBoxerEditor(std::move(startBoxerEditor)),
      listPath(boxerList),
      members(boxerList.members, boxerFiles, SlotControls::buttons)
{
}

void BoxerPage::CreateControls()
{
    listPath.Create(*this, boxerFiles.startDir);
    members.Create(*this);
    for (wxWindow* button : members.Captions())
        button->SetToolTip(_(memberButtonHelp));
}

void BoxerPage::LayOut(PageLayout& layout) const
{
    listPath.LayoutGroup(layout, 0, _(L"データ設定ファイル"));
    members.LayoutRows(layout, layout.AddGroup(0, _(L"ボクサーデータ")), 0, firstBoxRows);
    members.LayoutRows(layout, layout.AddGroup(1, _(L"ボクサーデータ")), firstBoxRows,
                       boxerList.members.Size());
}

// A member's button opens its boxer file, as typed so far, in the boxer
// editor; nothing is started for a free slot. (The path fields' browse
// buttons keep their clicks.)
void BoxerPage::OnMemberButton(wxCommandEvent& event)
{
    StoreEdits();
    const std::vector<wxWindow*>& buttons = members.Captions();
    for (size_t member = 0; member < buttons.size(); ++member)
    {
        const wxString& boxerFile = boxerList.members.Path(member);
        if (event.GetEventObject() == buttons[member] && !boxerFile.empty())
            startBoxerEditor(boxerFile);
    }
}
