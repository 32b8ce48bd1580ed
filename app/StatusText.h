// The status messages of the main window, each written once. (A load that
// stops says what LoadStepMessage says for its step.)
#pragma once

#include <vector>
#include <wx/string.h>

#include "settings/LoadStep.h"

namespace StatusText
{
inline const wchar_t* const cannotOpen = cannotOpenText;
inline const wchar_t saved[] = L"保存しました";
inline const wchar_t saveCancelled[] = L"保存中止";
inline const wchar_t loaded[] = L"読み込みました";
inline const wchar_t loadCancelled[] = L"読み込み中止";

// a save that left these files as they were, named as the settings name them
inline wxString NotSaved(const std::vector<wxString>& files)
{
    wxString names;
    for (const wxString& file : files)    // an empty path shown as one
        names += (names.empty() ? L"" : L"、") + (file.empty() ? wxString(L"\"\"") : file);
    return L"保存できませんでした: " + names;
}
}
