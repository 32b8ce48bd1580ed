#include "app/MainWindow.h"

#include <memory>
#include <vector>
#include <wx/accel.h>
#include <wx/filedlg.h>
#include <wx/menu.h>
#include <wx/display.h>
#include <wx/msgdlg.h>
#include <wx/persist/bookctrl.h>
#include <wx/persist/toplevel.h>
#include <wx/notebook.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>

#include "app/MenuId.h"
#include "app/OverwriteQuestion.h"
#include "app/ProgramLauncher.h"
#include "app/EditorVersion.h"
#include "app/PageBook.h"
#include "app/StatusText.h"
#include "app/WindowMemory.h"
#include "controls/FileDialogRunner.h"
#include "pages/SlotFiles.h"
#include "settings/ConfigDocument.h"
#include "settings/MachineSpec.h"
#include "settings/ProgramName.h"
#include "settings/Translated.h"

namespace
{
const wchar_t* const defaultConfigPath = ConfigDocument::defaultPath;

const wchar_t settingsFileMessage[] = wxTRANSLATE(L"設定ファイル");
const wchar_t settingsFileWildcard[] = wxTRANSLATE(L"設定 (*.txt)|*.txt");

// ----------------------------------------------------------------------------
// the menus
// ----------------------------------------------------------------------------

struct MenuItem
{
    int id;
    const wchar_t* label;    // "\t" separates the accelerator
    const wchar_t* help;
};

// the machine-spec presets with their menu items; the medium-spec item
// shares the mnemonic 4 with the low-spec item
struct SpecPreset
{
    MenuItem item;
    MachineSpec spec;
};

const SpecPreset specPresets[] = {
    {{idUltraHighSpec, wxTRANSLATE(L"更に高スペック(&1)\tCtrl-1"), wxTRANSLATE(L"超高スペック用設定")}, MachineSpec::ultraHigh},
    {{idHighSpec, wxTRANSLATE(L"高スペック(&2)\tCtrl-2"), wxTRANSLATE(L"高スペック用設定")}, MachineSpec::high},
    {{idMiddleSpec, wxTRANSLATE(L"中スペック(&4)\tCtrl-3"), wxTRANSLATE(L"中スペック用設定")}, MachineSpec::middle},
    {{idLowSpec, wxTRANSLATE(L"低スペック(&4)\tCtrl-4"), wxTRANSLATE(L"低スペック用設定")}, MachineSpec::low},
    {{idUltraLowSpec, wxTRANSLATE(L"更に低スペック(&5)\tCtrl-5"), wxTRANSLATE(L"超低スペック用設定")}, MachineSpec::ultraLow},
};

std::vector<MenuItem> SpecMenuItems()
{
    std::vector<MenuItem> items;
    for (const SpecPreset& preset : specPresets)
        items.push_back(preset.item);
    return items;
}

struct Menu
{
    const wchar_t* title;
    std::vector<MenuItem> items;
};

const Menu menus[] = {
    {wxTRANSLATE(L"ファイル(&F)"),
     {
         {idSave, wxTRANSLATE(L"保存(&S)\tCtrl-S"), wxTRANSLATE(L"保存します")},
         {idSaveAs, wxTRANSLATE(L"名前をつけて保存(&A)\tCtrl-A"), wxTRANSLATE(L"名前をつけて保存します")},
         {idLoad, wxTRANSLATE(L"読込(&L)\tCtrl-L"), wxTRANSLATE(L"読み込みます")},
         {idInitialSettings, wxTRANSLATE(L"初期設定(&N)\tCtrl-N"), wxTRANSLATE(L"初期設定にします")},
         {idQuitWithoutSaving, wxTRANSLATE(L"保存せずに終了(&Q)\tCtrl-Q"), wxTRANSLATE(L"保存せずに終了します")},
         {idExit, wxTRANSLATE(L"終了(&E)\tCtrl-E"), wxTRANSLATE(L"終了します")},
     }},
    {wxTRANSLATE(L"実行(&E)"),
     {
         {idSaveAndRun, wxTRANSLATE(L"保存して実行(&X)\tCtrl-X"), wxTRANSLATE(L"Ringvaldを実行します")},
         {idReplay, wxTRANSLATE(L"リプレイ再生(&R)\tCtrl-R"), wxTRANSLATE(L"リプレイを再生します")},
         {idBoxerEditor, L"Brawnsmith(&B)\tCtrl-B", wxTRANSLATE(L"Brawnsmithを起動します")},
     }},
    {wxTRANSLATE(L"マシンスペック(&S)"), SpecMenuItems()},
    {wxTRANSLATE(L"ヘルプ(&H)"), {{wxID_ABOUT, wxTRANSLATE(L"バージョン(&H)\tF1"), wxTRANSLATE(L"このプログラムについて")}}},
};

// the menu item whose accelerator is this key with exactly these modifiers
wxMenuItem* ItemWithShortcut(const wxMenuBar& menuBar, const wxKeyEvent& key)
{
    for (size_t menu = 0; menu < menuBar.GetMenuCount(); ++menu)
        for (wxMenuItem* item : menuBar.GetMenu(menu)->GetMenuItems())
        {
            const std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
            if (accel && accel->GetKeyCode() == key.GetKeyCode() &&
                accel->GetFlags() == key.GetModifiers())
                return item;
        }
    return nullptr;
}
}

// ----------------------------------------------------------------------------
// event table
// ----------------------------------------------------------------------------

wxBEGIN_EVENT_TABLE(MainWindow, wxFrame)
    EVT_MENU(idSave, MainWindow::OnSave)
    EVT_MENU(idSaveAs, MainWindow::OnSaveAs)
    EVT_MENU(idLoad, MainWindow::OnLoad)
    EVT_MENU(idInitialSettings, MainWindow::OnInitialSettings)
    EVT_MENU(idQuitWithoutSaving, MainWindow::OnQuitWithoutSaving)
    EVT_MENU(idExit, MainWindow::OnExit)
    EVT_MENU(wxID_ABOUT, MainWindow::OnAbout)
    EVT_MENU(idSaveAndRun, MainWindow::OnSaveAndRun)
    EVT_MENU(idReplay, MainWindow::OnReplay)
    EVT_MENU(idBoxerEditor, MainWindow::OnBoxerEditor)
    EVT_MENU_RANGE(idUltraHighSpec, idUltraLowSpec, MainWindow::OnSpecPreset)
    EVT_CLOSE(MainWindow::OnCloseWindow)
    EVT_CHAR_HOOK(MainWindow::OnCharHook)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

MainWindow::MainWindow(bool remembered)
    : wxFrame(nullptr, wxID_ANY, wxString()),
      notebook(nullptr),
      menuBar(nullptr),
      statusBar(nullptr)
{
    SetTitle(WindowTitle());
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));

    notebook = new PageBook(this, settings, [this](const wxString& boxerFile) {
        Launch(boxerEditorProgram, {FileArgument(boxerFile)});
    });
    CreateMenus();
    configPath = wxFileName(defaultConfigPath);
    // without a readable config.txt the editor starts from the initial
    // settings, so that closing it writes a working game directory
    if (!LoadConfig() && !wxFileName::IsFileReadable(defaultConfigPath))
        ConfigDocument::Reset(settings);
    // the page of the last run, if remembered, is the one built
    if (remembered)
        wxPersistentRegisterAndRestore(notebook, L"Pages");
    // built once the settings are read, so that it is filled only once
    notebook->BuildSelectedPage();
    LayoutControls();
    if (!remembered || !wxPersistentRegisterAndRestore(this, L"MainWindow"))
    {
        SetSize(OpeningSize());
        Centre(wxBOTH);
    }
}

// Large enough for the widest page and, as far as the screen's work area
// allows, the tallest; never smaller than 640 x 480.
wxSize MainWindow::OpeningSize() const
{
    const wxSize smallest(640, 480);
    const int display = wxDisplay::GetFromWindow(this);
    const wxRect area = wxDisplay(display == wxNOT_FOUND ? 0 : display).GetClientArea();
    wxSize pages = notebook->LargestPageSize();
    const wxSize decoration = GetSize() - GetClientSize();
    wxSize size = notebook->CalcSizeFromPage(pages) + decoration;
    if (size.y > area.height)    // the page scrolls: room for its scroll bar
        size.x += wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this);
    size.IncTo(smallest);
    size.DecTo(area.GetSize());
    return size;
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateMenus()
{
    menuBar = new wxMenuBar;
    statusBar = new wxStatusBar(this, wxID_ANY, 0);
    for (const Menu& menu : menus)
    {
        auto* items = new wxMenu;
        for (const MenuItem& item : menu.items)
            items->Append(item.id, _(item.label), _(item.help));
        menuBar->Append(items, _(menu.title));
    }
    SetMenuBar(menuBar);
    SetStatusBar(statusBar);
}

void MainWindow::LayoutControls()
{
    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(notebook, wxSizerFlags(1).Expand());
    SetSizer(sizer);
    Layout();
}

// ----------------------------------------------------------------------------
// the document
// ----------------------------------------------------------------------------

// The pages hand their edits back first: a load that stops early keeps
// them for the steps it did not reach.
bool MainWindow::LoadConfig()
{
    notebook->StoreEdits();
    const std::optional<LoadStep> failure =
        ConfigDocument::Load(settings, configPath.GetFullPath(), &documentStamp);
    notebook->ShowSettings();
    std::vector<wxString> refused;    // lists a save would leave alone, told now
    const std::vector<const ListFile*> lists = std::as_const(settings).Lists();
    const std::vector<ConfigDocument::ListTarget> targets =
        ConfigDocument::TargetsOf(settings, configPath.GetFullPath());
    for (size_t list = 0; list < lists.size(); ++list)
        if (targets[list].place != ConfigDocument::ListPlace::fits)
            refused.push_back(lists[list]->path);
    if (failure)
        SetStatusText(LoadStepMessage(*failure));
    else if (!refused.empty())
        SetStatusText(StatusText::WillNotSave(refused));
    return !failure;
}

bool MainWindow::SaveConfig()
{
    notebook->StoreEdits();
    const wxString path = configPath.GetFullPath();
    ConfigDocument::SaveReport report = ConfigDocument::Save(settings, path, &documentStamp);
    if (report.documentChanged)
    {
        if (!AskToOverwrite(this, path))
        {
            SetStatusText(_(StatusText::saveCancelled));
            return false;
        }
        report = ConfigDocument::Save(settings, path, &documentStamp, true);
    }
    notebook->UpdateMarks();
    if (!report.documentOpened)
        SetStatusText(_(StatusText::cannotOpen));
    else if (!report.notSaved.empty())
        SetStatusText(StatusText::NotSaved(report.notSaved));
    return report.AllSaved();
}

bool MainWindow::ChooseSavePath()
{
    wxFileDialog dialog(this, _(settingsFileMessage), wxString(L"./"), wxString(),
                        _(settingsFileWildcard), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    const FileChoice choice = RunFileDialog(dialog);
    if (!choice.confirmed)
    {
        SetStatusText(_(StatusText::saveCancelled));
        return false;
    }
    configPath = wxFileName(choice.path);
    return true;
}

// ----------------------------------------------------------------------------
// file menu
// ----------------------------------------------------------------------------

void MainWindow::OnSave(wxCommandEvent&)
{
    const bool namesNothing = configPath.GetPath().empty() && configPath.GetFullName().empty();
    if (namesNothing && !ChooseSavePath())
        return;
    if (SaveConfig())
        SetStatusText(_(StatusText::saved));
}

void MainWindow::OnSaveAs(wxCommandEvent&)
{
    if (ChooseSavePath() && SaveConfig())
        SetStatusText(_(StatusText::saved));
}

void MainWindow::OnLoad(wxCommandEvent&)
{
    wxFileDialog dialog(this, _(settingsFileMessage), wxString(L"./"), wxString(),
                        _(settingsFileWildcard), wxFD_OPEN);
    const FileChoice choice = RunFileDialog(dialog);
    if (!choice.confirmed)
    {
        SetStatusText(_(StatusText::loadCancelled));
        return;
    }
    configPath = wxFileName(choice.path);
    if (LoadConfig())
        SetStatusText(_(StatusText::loaded));
}

void MainWindow::OnInitialSettings(wxCommandEvent&)
{
    notebook->StoreEdits();
    ConfigDocument::Reset(settings);
    notebook->ShowSettings();
}

void MainWindow::OnQuitWithoutSaving(wxCommandEvent&)
{
    Destroy();    // the close handler does not run: nothing is saved
}

void MainWindow::OnExit(wxCommandEvent&)
{
    Close(true);
}

void MainWindow::OnCloseWindow(wxCloseEvent&)
{
    // closing always saves to the start-up document, whatever was loaded
    configPath = wxFileName(defaultConfigPath);
    SaveConfig();
    Destroy();
}

// GTK offers a key to the menu's accelerators only after the focused control
// has let it go, and a text entry keeps Ctrl-A (select all) and Ctrl-X (cut)
// for itself, the key-capture field every key. So the shortcuts are taken
// here, before any control sees the key, from the menu items' own labels.
//
// Ctrl-PageUp and Ctrl-PageDown switch pages the same way: the page's
// scrolled window and a text field would take them first, to scroll.
void MainWindow::OnCharHook(wxKeyEvent& event)
{
    const int key = event.GetKeyCode();
    const bool pageKey = event.GetModifiers() == wxMOD_CONTROL &&
                         (key == WXK_PAGEUP || key == WXK_PAGEDOWN || key == WXK_NUMPAD_PAGEUP ||
                          key == WXK_NUMPAD_PAGEDOWN);
    if (pageKey)
        notebook->ShowNextPage(key == WXK_PAGEDOWN || key == WXK_NUMPAD_PAGEDOWN);
    else if (wxMenuItem* item = ItemWithShortcut(*menuBar, event))
        ProcessCommand(item);
    else
        event.Skip();
}

// ----------------------------------------------------------------------------
// run menu
// ----------------------------------------------------------------------------

void MainWindow::OnSaveAndRun(wxCommandEvent&)
{
    configPath = wxFileName(defaultConfigPath);
    SaveConfig();    // the game starts even when the save failed
    Launch(gameProgram);
}

void MainWindow::OnReplay(wxCommandEvent&)
{
    wxFileDialog dialog(this, _(replayFiles.message), wxString(), wxString(), _(replayFiles.wildcard),
                        wxFD_OPEN);
    dialog.SetDirectory(replayFiles.startDir);
    const FileChoice choice = RunFileDialog(dialog);
    if (choice.confirmed)
        Launch(gameProgram, {FileArgument(choice.path)});
}

void MainWindow::OnBoxerEditor(wxCommandEvent&)
{
    Launch(boxerEditorProgram);
}

void MainWindow::Launch(const wxString& program, const std::vector<wxString>& arguments)
{
    if (!StartProgram(program, arguments))
        SetStatusText(CannotStartText(program));
}

// ----------------------------------------------------------------------------
// machine-spec menu and help
// ----------------------------------------------------------------------------

void MainWindow::OnSpecPreset(wxCommandEvent& event)
{
    notebook->StoreEdits();
    for (const SpecPreset& preset : specPresets)
        if (preset.item.id == event.GetId())
            ApplyMachineSpec(settings.basic, preset.spec);
    notebook->ShowSettings();
}

// the editor, its version, the game release it writes files for, and where
// it keeps its own settings
void MainWindow::OnAbout(wxCommandEvent&)
{
    wxMessageDialog about(this, WindowTitle(), _(L"このプログラムについて"), wxOK | wxICON_INFORMATION);
    about.SetExtendedMessage(wxString(L"ringvald-config ") + editorVersion + L"\n" +
                             wxString::Format(_(L"%s のファイルを書きます"), gameRelease) + L"\n" +
                             wxString::Format(_(L"このプログラムの設定: %s"), WindowMemoryFile()));
    about.ShowModal();
}
