// The status messages of the main window, each written once.
#pragma once

namespace StatusText
{
inline const wchar_t cannotOpen[] = L"ファイルが開けません";
inline const wchar_t saved[] = L"保存しました";
inline const wchar_t saveCancelled[] = L"保存中止";
inline const wchar_t loaded[] = L"読み込みました";
inline const wchar_t loadCancelled[] = L"読み込み中止";

// a load that stops at a bad section or list file
inline const wchar_t basicInvalid[] = L"基本設定が異常です";
inline const wchar_t netInvalid[] = L"通信設定が異常です";
inline const wchar_t controlInvalid[] = L"操作設定が異常です";
inline const wchar_t matchInvalid[] = L"試合設定が異常です";
inline const wchar_t manipInvalid[] = L"補整設定が異常です";
inline const wchar_t replayListInvalid[] = L"リプレイ設定ファイルが異常です";
inline const wchar_t fontListInvalid[] = L"フォント設定ファイルが異常です";
inline const wchar_t imageListInvalid[] = L"画像設定ファイルが異常です";
inline const wchar_t bgmListInvalid[] = L"BGM設定ファイルが異常です";
inline const wchar_t seListInvalid[] = L"効果音設定ファイルが異常です";
inline const wchar_t dataListInvalid[] = L"データ設定ファイルが異常です";
inline const wchar_t thinkListInvalid[] = L"作戦設定ファイルが異常です";
}
