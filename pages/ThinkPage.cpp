#include "pages/ThinkPage.h"

#include "settings/ThinkList.h"
#include "settings/Translated.h"

ThinkPage::ThinkPage(wxWindow* parent, ThinkList& thinkList)
    : SettingsPage(parent),
      listPath(thinkList),
      entries(thinkList.entries, thinkFiles)
{
}

void ThinkPage::CreateControls()
{
    listPath.Create(*this, thinkFiles.startDir);
    entries.Create(*this);
}

void ThinkPage::LayOut(PageLayout& layout) const
{
    listPath.LayoutGroup(layout, 0, _(L"作戦設定ファイル"));
    entries.LayoutRows(layout, layout.AddGroup(0, _(L"思考ファイル")));
}
