// The path of a page's list file: a caption and a path selector, bound to
// the list's path. A list file newly chosen in the browse dialog is read at
// once; a path typed by hand reloads nothing.
#pragma once

#include <wx/string.h>

#include "controls/PathField.h"
#include "controls/Caption.h"

class ListFile;

// the caption beside the selector of a page's list file
inline const wchar_t listFileCaption[] = L"ファイル名";

class ListPathField
{
public:
    explicit ListPathField(ListFile& list);

    void Create(wxWindow* page, const wxString& startDir);

    void ShowSettings();
    void StoreEdits();

    // Called from the page's button handler, after a selector's browse
    // button did its work: true, with the new path stored and the list read
    // from it, when the user chose a new list file. A file that cannot be
    // read leaves the list as it was, and nothing is shown.
    bool ReloadIfChosen();

    Caption* Label() const { return label; }
    PathField* Selector() const { return selector; }

private:
    ListFile& list;
    Caption* label = nullptr;
    PathField* selector = nullptr;
};
