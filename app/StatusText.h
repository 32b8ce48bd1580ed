// The status messages of the main window, each written once.
#pragma once

#include "settings/LoadStep.h"

namespace StatusText
{
inline const wchar_t cannotOpen[] = L"ファイルが開けません";
inline const wchar_t saved[] = L"保存しました";
inline const wchar_t saveCancelled[] = L"保存中止";
inline const wchar_t loaded[] = L"読み込みました";
inline const wchar_t loadCancelled[] = L"読み込み中止";

// the message of a load that stops at this step
inline const wchar_t* LoadFailure(LoadStep step)
{
    switch (step)
    {
    case LoadStep::openDocument:
        return cannotOpen;
    case LoadStep::basicSection:
        return L"基本設定が異常です";
    case LoadStep::netSection:
        return L"通信設定が異常です";
    case LoadStep::controlSection:
        return L"操作設定が異常です";
    case LoadStep::matchSection:
        return L"試合設定が異常です";
    case LoadStep::manipSection:
        return L"補整設定が異常です";
    case LoadStep::replayListPath:
    case LoadStep::replayListFile:
        return L"リプレイ設定ファイルが異常です";
    case LoadStep::fontListPath:
    case LoadStep::fontListFile:
        return L"フォント設定ファイルが異常です";
    case LoadStep::imageListPath:
    case LoadStep::imageListFile:
        return L"画像設定ファイルが異常です";
    case LoadStep::bgmListPath:
    case LoadStep::bgmListFile:
        return L"BGM設定ファイルが異常です";
    case LoadStep::seListPath:
    case LoadStep::seListFile:
        return L"効果音設定ファイルが異常です";
    case LoadStep::dataListPath:
    case LoadStep::dataListFile:
        return L"データ設定ファイルが異常です";
    case LoadStep::thinkListPath:
    case LoadStep::thinkListFile:
        return L"作戦設定ファイルが異常です";
    }
    return cannotOpen;
}
}
