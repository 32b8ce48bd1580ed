// The path of a page's list file: a caption and a path selector, bound to
// the list's path. A list file newly chosen in the browse dialog is read at
// once (a file that cannot be read leaves the list as it was, and nothing
// is shown); a path typed by hand reloads nothing.
#pragma once

#include <wx/string.h>

#include "controls/PathField.h"
#include "controls/Caption.h"
#include "pages/PageLayout.h"
#include "pages/PagePart.h"
#include "settings/Translated.h"

class ListFile;
class SettingsPage;

// the caption beside the selector of a page's list file
inline const wchar_t listFileCaption[] = wxTRANSLATE(L"ファイル名");

class ListPathField : public PagePart
{
public:
    explicit ListPathField(ListFile& list);

    // the caption and the selector, registered with the page
    void Create(SettingsPage& page, const wxString& startDir);
    // a box of its own, holding the caption and the selector in one row
    void LayoutGroup(PageLayout& layout, int column, const wxString& title) const;
    // its row in a box of others
    void LayoutRow(PageLayout& layout, wxSizer* group) const;

    void ShowSettings() override;
    void StoreEdits() override;
    void UpdateMarks() override;

    Caption* Label() const { return label; }
    PathField* Selector() const { return selector; }

private:
    // the list file chosen in the dialog, read
    void Load(const wxString& path);

    ListFile& list;
    Caption* label = nullptr;
    PathField* selector = nullptr;
};
