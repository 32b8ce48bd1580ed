#include "pages/ThinkPage.h"

#include "settings/ThinkList.h"

ThinkPage::ThinkPage(wxWindow* parent, ThinkList& thinkList)
    : SettingsPage(parent),
      listPath(thinkList),
      entries(thinkList.entries, thinkFiles)
{
}

void ThinkPage::CreateControls()
{
    listPath.Create(*this, thinkFiles.startDir);
    entries.CreateLabels(this);
    entries.CreateSelectors(*this);

    PageLayout layout(this, 1);
    listPath.LayoutGroup(layout, 0, L"作戦設定ファイル");
    entries.LayoutRows(layout, layout.AddGroup(0, L"思考ファイル"));
    layout.Finish();
}
