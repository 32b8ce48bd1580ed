// The main window: the menus, the notebook of pages, the status bar, the
// path of the configuration document, and every menu command.
#pragma once

#include <wx/filename.h>
#include <vector>
#include <wx/frame.h>

#include "settings/FileStamp.h"
#include "settings/GameSettings.h"

class PageBook;
class wxMenuBar;
class wxStatusBar;

class MainWindow : public wxFrame
{
public:
    // The window opens as large as its pages need (OpeningSize). A window
    // that is remembered comes back at the size, place and page it had when
    // it was last closed (in the user's configuration folder).
    explicit MainWindow(bool remembered = false);
    ~MainWindow() override;

    // the document operations; each sets the status message on failure
    bool LoadConfig();
    bool SaveConfig();
    bool ChooseSavePath();

    // starts the program; the status bar says so when it cannot be started
    void Launch(const wxString& program, const std::vector<wxString>& arguments = {});

    PageBook* GetNotebook() const { return notebook; }
    GameSettings& GetSettings() { return settings; }
    const wxFileName& GetConfigPath() const { return configPath; }

private:
    void CreateMenus();
    void LayoutControls();
    wxSize OpeningSize() const;

    // file menu
    void OnSave(wxCommandEvent& event);
    void OnSaveAs(wxCommandEvent& event);
    void OnLoad(wxCommandEvent& event);
    void OnInitialSettings(wxCommandEvent& event);
    void OnQuitWithoutSaving(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    // run menu
    void OnSaveAndRun(wxCommandEvent& event);
    void OnReplay(wxCommandEvent& event);
    void OnBoxerEditor(wxCommandEvent& event);
    // machine-spec menu
    void OnSpecPreset(wxCommandEvent& event);
    // help menu
    void OnAbout(wxCommandEvent& event);

    void OnCloseWindow(wxCloseEvent& event);
    // every menu shortcut, whichever control has the focus
    void OnCharHook(wxKeyEvent& event);

    // every setting; the pages are views on it
    GameSettings settings;
    PageBook* notebook;
    wxMenuBar* menuBar;
    wxStatusBar* statusBar;
    wxFileName configPath;
    FileStamp documentStamp;    // the document as last read or saved

    wxDECLARE_EVENT_TABLE();
};
