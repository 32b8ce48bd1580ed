#include "pages/ThinkPage.h"

#include "settings/ThinkList.h"

namespace
{
const wchar_t dataDir[] = L"./Data";
}

ThinkPage::ThinkPage(wxWindow* parent, ThinkList& thinkList)
    : SettingsPage(parent),
      listPath(thinkList),
      entries(thinkList.entries, {L"思考ファイル", L"思考 (*.thk)|*.thk", dataDir})
{
}

void ThinkPage::CreateControls()
{
    listPath.Create(*this, dataDir);
    entries.CreateLabels(this);
    entries.CreateSelectors(*this);

    PageLayout layout(this, 1);
    wxSizer* listGroup = layout.AddGroup(0, L"作戦設定ファイル", wxHORIZONTAL);
    layout.AddRow(listGroup, listPath.Label(), listPath.Selector());
    entries.LayoutRows(layout, layout.AddGroup(0, L"思考ファイル"));
    layout.Finish();
}
