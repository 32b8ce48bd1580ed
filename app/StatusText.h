// The status messages of the main window, each written once. (A load that
// stops says what LoadStepMessage says for its step.)
#pragma once

#include <vector>
#include <wx/string.h>

#include "settings/LoadStep.h"
#include "settings/Translated.h"

namespace StatusText
{
inline const wchar_t* const cannotOpen = cannotOpenText;
inline const wchar_t saved[] = wxTRANSLATE(L"保存しました");
inline const wchar_t saveCancelled[] = wxTRANSLATE(L"保存中止");
inline const wchar_t loaded[] = wxTRANSLATE(L"読み込みました");
inline const wchar_t loadCancelled[] = wxTRANSLATE(L"読み込み中止");

// files named as the settings name them, an empty path shown as one
inline wxString FileNames(const std::vector<wxString>& files)
{
    wxString names;
    for (const wxString& file : files)
        names += (names.empty() ? wxString() : _(L"、")) + (file.empty() ? wxString(L"\"\"") : file);
    return names;
}

// a save that left these files as they were
inline wxString NotSaved(const std::vector<wxString>& files)
{
    return _(L"保存できませんでした: ") + FileNames(files);
}

// a load that found lists a save will leave alone (outside, on one file,
// unreadable, read-only...)
inline wxString WillNotSave(const std::vector<wxString>& files)
{
    return _(L"保存されないファイルがあります: ") + FileNames(files);
}
}
