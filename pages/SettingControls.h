// The controls of one settings section on its page: a caption and a control
// per setting, of the kind its declaration names (a choice list, a slider,
// a text field or a key-capture field), laid out in the section's boxes.
#pragma once

#include <vector>

#include "pages/PageLayout.h"
#include "pages/PagePart.h"

class SettingSection;
class SettingsPage;
class wxWindow;

class SettingControls : public PagePart
{
public:
    explicit SettingControls(SettingSection& section);

    // Creates the captions and controls as children of the page, box by
    // box: the box's captions first, then its controls; registers them with
    // the page.
    void CreateControls(SettingsPage& page);
    // Adds the boxes to the layout's columns, one row per setting; the boxes
    // come in the section's order unless an order is given.
    void LayoutControls(PageLayout& layout, std::vector<int> groupOrder = {}) const;
    // the setting of that row as a row of the group
    void LayoutRow(PageLayout& layout, wxSizer* group, size_t row) const;

    // the section's values into the controls, and what the user changed back
    void ShowSettings() override;
    void StoreEdits() override;

    // by the row of the setting in its section
    wxWindow* Control(size_t row) const { return controls.at(row); }
    wxWindow* CaptionOf(size_t row) const { return captions.at(row); }
    SettingSection& Section() const { return section; }

private:
    SettingSection& section;
    std::vector<wxWindow*> captions;
    std::vector<wxWindow*> controls;
};
