#include "pages/ListPathField.h"

#include "controls/ControlSizes.h"

#include "controls/PathField.h"
#include "controls/Caption.h"
#include "pages/SettingsPage.h"
#include "settings/ListFile.h"
#include "settings/Translated.h"

ListPathField::ListPathField(ListFile& list)
    : list(list)
{
}

void ListPathField::Create(SettingsPage& page, const wxString& startDir)
{
    page.Register(*this);
    label = new Caption(&page, _(listFileCaption));
    selector = new PathField(&page, wxString());
    selector->startDir = startDir;
    selector->SetChosenCallback([this, &page](const wxString& path) {
        page.ChangeSettings([this, &path] { Load(path); });
    });
}

void ListPathField::LayoutGroup(PageLayout& layout, int column, const wxString& title) const
{
    LayoutRow(layout, layout.AddGroup(column, title));
}

void ListPathField::LayoutRow(PageLayout& layout, wxSizer* group) const
{
    if (const ControlSizes* sizes = layout.Estimating())
        layout.AddRow(group, sizes->Caption(_(listFileCaption)), sizes->Path());
    else
        layout.AddRow(group, label, selector);
}

void ListPathField::ShowSettings()
{
    selector->SetPath(list.path);
}

void ListPathField::StoreEdits()
{
    if (selector->IsEdited())
        list.path = selector->GetPath();
}

void ListPathField::UpdateMarks()
{
    selector->UpdateMark();
}

void ListPathField::Load(const wxString& path)
{
    list.path = path;
    list.pickedPath = path;    // a save may write it there, inside the game or not
    list.ReadFile();
}
