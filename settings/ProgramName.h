// The names the program shows and writes into every config.txt.
#pragma once

#include <wx/string.h>

inline const wchar_t gameRelease[] = L"Ringvald Ver 1.2.0 Release";

// "Configure for Ringvald Ver 1.2.0 Release"
inline wxString WindowTitle()
{
    return wxString(L"Configure for ") + gameRelease;
}
