// The status messages of the main window, each written once. (A load that
// stops says what LoadStepMessage says for its step.)
#pragma once

#include "settings/LoadStep.h"

namespace StatusText
{
inline const wchar_t* const cannotOpen = cannotOpenText;
inline const wchar_t saved[] = L"保存しました";
inline const wchar_t saveCancelled[] = L"保存中止";
inline const wchar_t loaded[] = L"読み込みました";
inline const wchar_t loadCancelled[] = L"読み込み中止";
}
