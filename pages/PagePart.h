// One part of a page bound to its piece of the settings: a section's
// controls, a list file's path, a list's slots. A page registers each part
// as it creates it (SettingsPage::Register); showing the settings, storing
// the edits and following the files on disk walk the page's parts in that
// order.
#pragma once

class PagePart
{
public:
    virtual ~PagePart() = default;

    // the settings into the controls (from code: not an edit)
    virtual void ShowSettings() = 0;
    // what the user changed back into the settings
    virtual void StoreEdits() = 0;
    // after a save: the marks of paths that name no file, which the save
    // may have made
    virtual void UpdateMarks() {}
};
