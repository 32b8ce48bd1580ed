// The main window: the menus, the notebook of pages, the status bar, the
// path of the configuration document, and every menu command.
#pragma once

#include <memory>
#include <wx/filename.h>
#include <wx/frame.h>

#include "app/ConfigDocument.h"

class myNotebook;
class wxMenuBar;
class wxStatusBar;

class myFrame : public wxFrame
{
public:
    myFrame();
    ~myFrame() override;

    // the document operations; each sets the status message on failure
    bool LoadConfig();
    bool SaveConfig();
    bool ChooseSavePath();

    myNotebook* GetNotebook() const { return notebook; }
    const wxFileName& GetConfigPath() const { return configPath; }

private:
    void CreateMenus();
    void LayoutControls();

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

    myNotebook* notebook;
    wxMenuBar* menuBar;
    wxStatusBar* statusBar;
    wxFileName configPath;
    std::unique_ptr<ConfigDocument> document;

    wxDECLARE_EVENT_TABLE();
};
