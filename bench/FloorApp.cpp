// The floor the editor's start-up is measured against: the cheapest wx
// program with the editor's frame. Same size, same menus, a one-field status
// bar and a notebook of nine empty scrolled pages; no controls, no files.
#include <vector>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/statusbr.h>

namespace
{
// the editor's menus, item for item, so that both build the same menu bar
struct MenuItem
{
    const wchar_t* label;
    const wchar_t* help;
};

struct Menu
{
    const wchar_t* title;
    std::vector<MenuItem> items;
};

const Menu menus[] = {
    {L"ファイル(&F)",
     {
         {L"保存(&S)\tCtrl-S", L"保存します"},
         {L"名前をつけて保存(&A)\tCtrl-A", L"名前をつけて保存します"},
         {L"読込(&L)\tCtrl-L", L"読み込みます"},
         {L"初期設定(&N)\tCtrl-N", L"初期設定にします"},
         {L"保存せずに終了(&Q)\tCtrl-Q", L"保存せずに終了します"},
         {L"終了(&E)\tCtrl-E", L"終了します"},
     }},
    {L"実行(&E)",
     {
         {L"保存して実行(&X)\tCtrl-X", L"Ringvaldを実行します"},
         {L"リプレイ再生(&R)\tCtrl-R", L"リプレイを再生します"},
         {L"Brawnsmith(&B)\tCtrl-B", L"Brawnsmithを起動します"},
     }},
    {L"マシンスペック(&S)",
     {
         {L"更に高スペック(&1)\tCtrl-1", L"超高スペック用設定"},
         {L"高スペック(&2)\tCtrl-2", L"高スペック用設定"},
         {L"中スペック(&4)\tCtrl-3", L"中スペック用設定"},
         {L"低スペック(&4)\tCtrl-4", L"低スペック用設定"},
         {L"更に低スペック(&5)\tCtrl-5", L"超低スペック用設定"},
     }},
    {L"ヘルプ(&H)",
     {
         {L"バージョン(&H)\tF1", L"このプログラムについて"},
     }},
};

const wchar_t* const tabs[] = {L"基本", L"通信", L"操作", L"試合", L"補整",
                               L"音声", L"画像", L"ジム", L"作戦"};

class FloorApp : public wxApp
{
public:
    bool OnInit() override
    {
        auto* frame = new wxFrame(nullptr, wxID_ANY, wxString(L"Ringvald start-up floor"));
        frame->SetSize(640, 480);
        frame->Centre(wxBOTH);
        frame->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));

        auto* notebook = new wxNotebook(frame, wxID_ANY);
        for (const wchar_t* tab : tabs)
        {
            auto* page = new wxScrolledWindow(notebook, wxID_ANY, wxDefaultPosition,
                                              wxDefaultSize, wxHSCROLL | wxVSCROLL);
            page->SetScrollRate(10, 10);
            notebook->AddPage(page, wxString(tab));
        }

        auto* menuBar = new wxMenuBar;
        int id = wxID_HIGHEST + 1;
        for (const Menu& menu : menus)
        {
            auto* items = new wxMenu;
            for (const MenuItem& item : menu.items)
                items->Append(id++, item.label, item.help);
            menuBar->Append(items, menu.title);
        }
        frame->SetMenuBar(menuBar);
        frame->SetStatusBar(new wxStatusBar(frame, wxID_ANY, 0));

        auto* sizer = new wxBoxSizer(wxHORIZONTAL);
        sizer->Add(notebook, wxSizerFlags(1).Expand());
        frame->SetSizer(sizer);
        frame->Layout();
        frame->Show(true);
        return true;
    }
};
}

wxIMPLEMENT_APP(FloorApp);
