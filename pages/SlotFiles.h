// What the browse dialogs of a list's slots offer: the dialog's message, its
// wildcard, and the folder it opens in, where the list file itself is
// browsed for too. One for each list with slots.
#pragma once

struct SlotFiles
{
    const wchar_t* message;
    const wchar_t* wildcard;
    const wchar_t* startDir;
};

inline constexpr SlotFiles replayFiles{L"リプレイファイル", L"リプレイ (*.rep)|*.rep", L"./Replay"};
inline constexpr SlotFiles musicFiles{
    L"BGMファイル",
    L"BGM (*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3)|*.mid;*.ogg;*.wav;*.mod;*.s3m;*.it;*.xm;*.mp3",
    L"./BGM"};
inline constexpr SlotFiles soundEffectFiles{L"効果音ファイル", L"SE(*.wav;*.ogg;*.aif)|*.wav;*.ogg;*.aif",
                                            L"./SE"};
inline constexpr SlotFiles imageFiles{
    L"画像ファイル",
    L"画像 (*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm)|"
    L"*.bmp;*.jpg;*.png;*.gif;*.pcx;*.tif;*.tga;*.lbm;*.xpm",
    L"./Image"};
inline constexpr SlotFiles fontFiles{L"フォントファイル", L"フォント(*.ttf;*.ttc)|*.ttf;*.ttc", L"./Font"};
inline constexpr SlotFiles boxerFiles{L"ボクサーファイル", L"Boxer (*.box)|*.box", L"./Data"};
inline constexpr SlotFiles thinkFiles{L"思考ファイル", L"思考 (*.thk)|*.thk", L"./Data"};
