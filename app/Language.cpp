#include "app/Language.h"

#include <climits>
#include <memory>
#include <unistd.h>
#include <wx/filename.h>
#include <wx/intl.h>
#include <wx/tokenzr.h>
#include <wx/translation.h>
#include <wx/utils.h>

#include "app/CatalogLoader.h"

namespace
{
// "ja_JP.UTF-8" and "ja@x" are "ja"
wxString LanguageOf(const wxString& locale)
{
    return locale.BeforeFirst(L'.').BeforeFirst(L'@').BeforeFirst(L'_');
}

bool IsPlainC(const wxString& locale)
{
    const wxString language = LanguageOf(locale);
    return language.empty() || language == L"C" || language == L"POSIX";
}
}

wxString CatalogLanguage(const std::function<wxString(const wchar_t* name)>& variable,
                         const std::function<bool(const wxString& language)>& hasCatalog)
{
    wxString locale;
    for (const wchar_t* name : {L"LC_ALL", L"LC_MESSAGES", L"LANG"})
        if (locale.empty())
            locale = variable(name);
    // as gettext does, LANGUAGE counts only when the locale is not C
    if (IsPlainC(locale))
        return wxString();
    const wxArrayString wanted = wxSplit(variable(L"LANGUAGE") + L":" + locale, L':');
    for (const wxString& entry : wanted)
    {
        const wxString language = LanguageOf(entry);
        if (IsPlainC(language))
            continue;
        if (language == L"ja")
            return wxString();
        if (hasCatalog(language))
            return language;
    }
    return L"en";
}

void UseLanguage(const wxString& programFolder)
{
    auto loader = std::make_unique<CatalogLoader>(
        std::vector<wxString>{programFolder + L"/locale", programFolder + L"/../share/locale"});
    const wxString language = CatalogLanguage(
        [](const wchar_t* name) {
            wxString value;
            wxGetEnv(name, &value);
            return value;
        },
        [&loader](const wxString& language) { return !loader->FileOf(catalogName, language).empty(); });
    if (language.empty())
        return;
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);    // owns it
    translations->SetLoader(loader.release());
    translations->SetLanguage(language);
    // the texts' language left unnamed: naming it (Japanese) has wx build its
    // table of every language first, 1.6 ms, for a catalog never loaded in
    // Japanese anyway
    translations->AddCatalog(catalogName, wxLANGUAGE_UNKNOWN);
}

wxString ProgramFolder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || static_cast<size_t>(length) >= sizeof path)
        return wxString();
    return wxFileName(wxString::FromUTF8(path, length)).GetPath();
}
