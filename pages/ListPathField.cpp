#include "pages/ListPathField.h"

#include "controls/PathField.h"
#include "controls/Caption.h"
#include "settings/ListFile.h"

ListPathField::ListPathField(ListFile& list)
    : list(list)
{
}

void ListPathField::Create(wxWindow* page, const wxString& startDir)
{
    label = new Caption(page, listFileCaption);
    selector = new PathField(page, wxString());
    selector->startDir = startDir;
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

bool ListPathField::ReloadIfChosen()
{
    if (!selector->pathChosen)
        return false;
    selector->pathChosen = false;
    list.path = selector->GetPath();
    list.pickedPath = list.path;    // a save may write it there, inside the game or not
    list.ReadFile();
    return true;
}
