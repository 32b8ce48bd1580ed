// The language of the editor's texts, chosen as a desktop program chooses
// it: from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, whether or not the system
// has that locale. The texts are written in Japanese; a language with a
// catalog of its own gets it, any other one English. The C and POSIX locales,
// or none, keep the Japanese texts.
#pragma once

#include <functional>
#include <wx/string.h>

// the catalog's name: <language>/LC_MESSAGES/ringvald-config.mo
inline const wchar_t catalogName[] = L"ringvald-config";

// The catalog to load ("en"), or "" for the Japanese texts, from the
// environment as `variable` reads it; `hasCatalog` tells the languages
// whose catalog is there (a translator adds one as po/<language>.po).
wxString CatalogLanguage(const std::function<wxString(const wchar_t* name)>& variable,
                         const std::function<bool(const wxString& language)>& hasCatalog);

// Loads the catalog the environment asks for, looked for in
// <programFolder>/locale (a build folder) and in
// <programFolder>/../share/locale (an installed program). Call it before any
// text is made; a catalog not found leaves the Japanese texts.
void UseLanguage(const wxString& programFolder);

// the folder of the running program, found before the toolkit starts
wxString ProgramFolder();
