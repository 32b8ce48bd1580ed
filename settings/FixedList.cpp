#include "settings/FixedList.h"

#include <initializer_list>
#include <utility>

#include "settings/ValueLine.h"

FixedList::FixedList(const wxString& defaultPath, const wxString& header,
                     std::vector<SlotRow> rows)
    : ListFile(defaultPath, header), slots(std::move(rows))
{
}

void FixedList::Read(wxTextInputStream& in)
{
    slots.ReadFixed(in);
}

// ----------------------------------------------------------------------------
// the three fixed lists
// ----------------------------------------------------------------------------

namespace
{
// slots of a caption and a default path each, the comment above each path
// numbered from 1 by a "%d" format
using CaptionAndPath = std::pair<const wchar_t*, const wchar_t*>;
std::vector<SlotRow> Numbered(std::initializer_list<CaptionAndPath> slots, const wchar_t* commentFormat)
{
    std::vector<SlotRow> rows;
    for (const auto& [caption, path] : slots)
        rows.push_back({caption, path, wxString::Format(commentFormat, static_cast<int>(rows.size() + 1))});
    return rows;
}
}

FixedList ImageList()
{
    return FixedList(L"./Image/imagecf.txt", L"#Config File for Images",
                     {
                         {_(L"キャンバス"), L"./Image/canvas.jpg", L"#Ring Canvas Image"},
                         {_(L"顔"), L"./Image/henoheno.png", L"#Face Image"},
                         {_(L"背景"), L"./Image/background.jpg", L"#Background Image"},
                         {_(L"床"), L"./Image/floor.jpg", L"#Floor Image"},
                         {_(L"天井"), L"./Image/roof.jpg", L"#Roof Image"},
                         {_(L"コーナー広告"), L"./Image/ads.png", L"#Ring Ad's Image"},
                     });
}

FixedList BgmList()
{
    return FixedList(L"./BGM/bgmcf.txt", L"#Config File for BGM's",
                     Numbered({{_(L"タイトル"), L"./BGM/selectgm.mid"},
                               {_(L"トレーニング"), L"./BGM/kokorogm.mid"},
                               {_(L"試合"), L"./BGM/cumugm.mid"}},
                              L"#BGM No. %d"));
}

FixedList SeList()
{
    // two to a line: the bell, the swings, the hits, and the rest
    return FixedList(L"./SE/secf.txt", L"#Config File for SE's",
                     Numbered({{_(L"ゴング"), L"./SE/gong.wav"}, {_(L"試合終了"), L"./SE/ko.wav"},
                               {_(L"左スイング"), L"./SE/sha00.wav"}, {_(L"右スイング"), L"./SE/swing29.wav"},
                               {_(L"ダッシュ"), L"./SE/qu.ogg"}, {_(L"あごヒット"), L"./SE/gun08.wav"},
                               {_(L"顔ヒット"), L"./SE/hit_p01_c.wav"}, {_(L"腹ヒット"), L"./SE/hit_s07_a.wav"},
                               {_(L"ブロック"), L"./SE/bosu00.wav"}, {_(L"ボックス"), L"./SE/box.ogg"},
                               {_(L"ブレイク"), L"./SE/break.ogg"}, {_(L"ダウン"), L"./SE/down.ogg"}},
                              L"#Sound Effect No. %d"));
}
