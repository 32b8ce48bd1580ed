// What the browse dialogs of a list's slots offer: the dialog's message, its
// wildcard, and the folder it opens in, where the list file itself is
// browsed for too. One for each list with slots; the texts are translated
// where they are used.
#pragma once

#include "settings/Translated.h"

struct SlotFiles
{
    const wchar_t* message;
    const wchar_t* wildcard;
    const wchar_t* startDir;
};

inline constexpr SlotFiles replayFiles{wxTRANSLATE(L"リプレイファイル"), wxTRANSLATE(L"リプレイ (*.rep)|*.rep"),
                                      L"./Replay"};
inline constexpr SlotFiles musicFiles{
    wxTRANSLATE(L"BGMファイル"),
    wxTRANSLATE(L"BGM (*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3)|*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3"),
    L"./BGM"};
inline constexpr SlotFiles soundEffectFiles{wxTRANSLATE(L"効果音ファイル"),
                                            wxTRANSLATE(L"SE(*.wav;*.ogg;*.aif)|*.wav;*.ogg;*.aif"), L"./SE"};
inline constexpr SlotFiles imageFiles{
    wxTRANSLATE(L"画像ファイル"),
    wxTRANSLATE(L"画像 (*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm)|*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm"),
    L"./Image"};
inline constexpr SlotFiles fontFiles{wxTRANSLATE(L"フォントファイル"), wxTRANSLATE(L"フォント(*.ttf;*.ttc)|*.ttf;*.ttc"),
                                     L"./Font"};
inline constexpr SlotFiles boxerFiles{wxTRANSLATE(L"ボクサーファイル"), wxTRANSLATE(L"Boxer (*.box)|*.box"), L"./Data"};
inline constexpr SlotFiles thinkFiles{wxTRANSLATE(L"思考ファイル"), wxTRANSLATE(L"思考 (*.thk)|*.thk"), L"./Data"};
