// The skeleton every settings page is built on: a window that scrolls both
// ways when its boxes do not fit, and a view on its part of the settings.
//
// A page is created empty; its controls are built the first time it is
// shown (Build), so that starting the editor builds only the first page.
// A built page shows the settings (ShowSettings) and hands what the user
// changed back to them (StoreEdits); the main window asks for both around
// every command, and on a page that was never built both do nothing.
#pragma once

#include <wx/scrolwin.h>

class SettingsPage : public wxScrolledWindow
{
public:
    explicit SettingsPage(wxWindow* parent);

    // creates and lays out the controls once, then shows the settings
    void Build();
    bool IsBuilt() const { return built; }

    void ShowSettings();
    void StoreEdits();

protected:
    // each page: its controls and their layout, and the copying of values
    // between them and the settings
    virtual void CreateControls() = 0;
    virtual void TransferToControls() = 0;
    virtual void TransferFromControls() = 0;

    // for a page's own handlers: the page's edits stored, the settings
    // changed, and the page showing them again
    template <typename Change>
    void ChangeSettings(Change change)
    {
        StoreEdits();
        change();
        ShowSettings();
    }

private:
    bool built = false;
};
