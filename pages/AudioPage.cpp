#include "pages/AudioPage.h"

#include "app/PageLayout.h"
#include "controls/myFileSelect.h"
#include "controls/myLabel.h"

namespace
{
// ----------------------------------------------------------------------------
// the slots, in list order
// ----------------------------------------------------------------------------

const wchar_t bgmDir[] = L"./BGM";
const wchar_t seDir[] = L"./SE";
const wchar_t defaultBgmList[] = L"./BGM/bgmcf.txt";
const wchar_t defaultSeList[] = L"./SE/secf.txt";

// the comment above each path is numbered (see NumberedComments)
std::vector<SlotRow> BgmRows()
{
    return {
        {L"タイトル", L"./BGM/selectgm.mid", wxString()},
        {L"トレーニング", L"./BGM/kokorogm.mid", wxString()},
        {L"試合", L"./BGM/cumugm.mid", wxString()},
    };
}

std::vector<SlotRow> SeRows()
{
    return {
        {L"ゴング", L"./SE/gong.wav", wxString()},
        {L"試合終了", L"./SE/ko.wav", wxString()},
        {L"左スイング", L"./SE/sha00.wav", wxString()},
        {L"右スイング", L"./SE/swing29.wav", wxString()},
        {L"ダッシュ", L"./SE/qu.ogg", wxString()},
        {L"あごヒット", L"./SE/gun08.wav", wxString()},
        {L"顔ヒット", L"./SE/hit_p01_c.wav", wxString()},
        {L"腹ヒット", L"./SE/hit_s07_a.wav", wxString()},
        {L"ブロック", L"./SE/bosu00.wav", wxString()},
        {L"ボックス", L"./SE/box.ogg", wxString()},
        {L"ブレイク", L"./SE/break.ogg", wxString()},
        {L"ダウン", L"./SE/down.ogg", wxString()},
    };
}

SlotFiles BgmFiles()
{
    return {L"BGMファイル",
            L"BGM (*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3)|"
            L"*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3",
            bgmDir};
}

SlotFiles SeFiles()
{
    return {L"効果音ファイル", L"SE(*.wav;*.ogg;*.aif)|*.wav;*.ogg;*.aif", seDir};
}
}

// ----------------------------------------------------------------------------
// event table
// ----------------------------------------------------------------------------

wxBEGIN_EVENT_TABLE(AudioPage, myPage)
    EVT_BUTTON(wxID_ANY, AudioPage::OnButtonClicked)
wxEND_EVENT_TABLE()

// ----------------------------------------------------------------------------
// construction
// ----------------------------------------------------------------------------

AudioPage::AudioPage(wxWindow* parent)
    : myPage(parent), bgm(BgmRows(), BgmFiles()), se(SeRows(), SeFiles())
{
    CreateControls();
    LayoutControls();
}

void AudioPage::CreateControls()
{
    bgmListLabel = new myLabel(this, listFileCaption);
    seListLabel = new myLabel(this, listFileCaption);
    bgmList = new myFileSelect(this, unfilledPathText);
    bgmList->startDir = bgmDir;
    seList = new myFileSelect(this, unfilledPathText);
    seList->startDir = seDir;

    bgm.CreateLabels(this);
    bgm.CreateSelectors(this);
    se.CreateLabels(this);
    se.CreateSelectors(this);
}

void AudioPage::LayoutControls()
{
    PageLayout layout(this, 2);
    wxSizer* bgmListGroup = layout.AddGroup(0, wxString(L"BGM設定ファイル"), wxHORIZONTAL);
    layout.AddRow(bgmListGroup, bgmListLabel, bgmList);
    bgm.LayoutRows(layout, layout.AddGroup(0, wxString(L"BGM")));

    wxSizer* seListGroup = layout.AddGroup(1, wxString(L"効果設定ファイル"), wxHORIZONTAL);
    layout.AddRow(seListGroup, seListLabel, seList);
    se.LayoutRows(layout, layout.AddGroup(1, wxString(L"効果音")));
    layout.Finish();
}

// ----------------------------------------------------------------------------
// page contract
// ----------------------------------------------------------------------------

// Only the controls: the list files are neither read nor written here.
void AudioPage::SetDefaults()
{
    bgmList->SetPath(defaultBgmList);
    bgm.SetDefaults();
    seList->SetPath(defaultSeList);
    se.SetDefaults();
}

// ----------------------------------------------------------------------------
// the music list
// ----------------------------------------------------------------------------

bool AudioPage::WriteBgmListPath(wxTextOutputStream& out)
{
    WriteListPathLine(out, *bgmList);
    return true;
}

bool AudioPage::ReadBgmListPath(wxTextInputStream& in)
{
    ReadListPathLine(in, *bgmList);
    return true;    // an unusable path fails when the list is read
}

bool AudioPage::WriteBgmListFile()
{
    return WriteFixedListFile(bgmList->GetPath(), wxString(L"#Config File for BGM's"),
                              NumberedComments(wxString(L"#BGM No. %d"), bgm.Selectors().size()),
                              bgm.Selectors());
}

bool AudioPage::ReadBgmListFile()
{
    return ReadFixedListFile(bgmList->GetPath(), bgm.Selectors());
}

// ----------------------------------------------------------------------------
// the sound-effect list
// ----------------------------------------------------------------------------

bool AudioPage::WriteSeListPath(wxTextOutputStream& out)
{
    WriteListPathLine(out, *seList);
    return true;
}

bool AudioPage::ReadSeListPath(wxTextInputStream& in)
{
    ReadListPathLine(in, *seList);
    return true;
}

bool AudioPage::WriteSeListFile()
{
    return WriteFixedListFile(seList->GetPath(), wxString(L"#Config File for SE's"),
                              NumberedComments(wxString(L"#Sound Effect No. %d"), se.Selectors().size()),
                              se.Selectors());
}

bool AudioPage::ReadSeListFile()
{
    return ReadFixedListFile(seList->GetPath(), se.Selectors());
}

// ----------------------------------------------------------------------------
// handlers
// ----------------------------------------------------------------------------

// Runs after a selector's browse button did its work: a list file newly
// chosen in the dialog is read at once. Nothing is shown when it cannot be
// read; the slots then keep their paths.
void AudioPage::OnButtonClicked(wxCommandEvent&)
{
    if (TakePathChosen(*bgmList))
        ReadBgmListFile();
    if (TakePathChosen(*seList))
        ReadSeListFile();
}
