// The skeleton every settings page is built on: a window that scrolls both
// ways when its boxes do not fit, and a view on its part of the settings.
//
// A page is created empty; its controls are built the first time it is
// shown (Build), so that starting the editor builds only the first page.
// As it builds them, the page registers its parts (Register): a section's
// controls, a list file's path, a list's slots. A built page shows the
// settings (ShowSettings) and hands what the user changed back to them
// (StoreEdits) by walking those parts; the main window asks for both around
// every command, and on a page that was never built both do nothing.
#pragma once

#include <functional>
#include <vector>
#include <wx/scrolwin.h>

class ControlSizes;
class PageLayout;
class PagePart;

class SettingsPage : public wxScrolledWindow
{
public:
    explicit SettingsPage(wxWindow* parent);

    // creates and lays out the controls once, then shows the settings
    void Build();
    bool IsBuilt() const { return built; }

    // The notebook gives a page it shows from code the focus, which a panel
    // hands to its first field, whose text GTK then selects: the tabs keep
    // the focus instead. Tab still leads into the page.
    void SetFocus() override;

    // what the page needs to show whole: measured when it is built,
    // estimated from what it will hold before
    wxSize NeededSize(const ControlSizes& sizes) const;

    void ShowSettings();
    void StoreEdits();
    void UpdateMarks();

    // for what happens on the page itself (a list file chosen, a key
    // pressed): the page's edits stored, the settings changed, and the page
    // showing them again
    void ChangeSettings(const std::function<void()>& change = nullptr);

    // a part, created on this page, joins its showing and storing
    void Register(PagePart& part);

protected:
    // each page: its controls, registered as parts
    virtual void CreateControls() = 0;
    // and their boxes and rows, from the controls of a page built, or from
    // the sizes they will take (PageLayout::Estimating) for one not built yet
    virtual void LayOut(PageLayout& layout) const = 0;
    // after the settings are shown: what a page shows besides its parts'
    // values (the keys bound twice)
    virtual void SettingsShown() {}

private:
    bool built = false;
    std::vector<PagePart*> parts;
};
