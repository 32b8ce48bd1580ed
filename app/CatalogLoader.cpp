#include "app/CatalogLoader.h"

#include <wx/dir.h>
#include <wx/filename.h>

wxString CatalogLoader::FileOf(const wxString& domain, const wxString& language) const
{
    for (const wxString& folder : folders)
    {
        const wxString file = folder + L"/" + language + L"/LC_MESSAGES/" + domain + L".mo";
        if (wxFileName::FileExists(file))
            return file;
    }
    return wxString();
}

wxMsgCatalog* CatalogLoader::LoadCatalog(const wxString& domain, const wxString& language)
{
    const wxString file = FileOf(domain, language);
    return file.empty() ? nullptr : wxMsgCatalog::CreateFromFile(file, domain);
}

wxArrayString CatalogLoader::GetAvailableTranslations(const wxString& domain) const
{
    wxArrayString languages;
    for (const wxString& folder : folders)
    {
        wxDir dir;
        if (!wxDir::Exists(folder) || !dir.Open(folder))
            continue;
        wxString language;
        for (bool more = dir.GetFirst(&language, wxString(), wxDIR_DIRS); more; more = dir.GetNext(&language))
            if (!FileOf(domain, language).empty() && languages.Index(language) == wxNOT_FOUND)
                languages.push_back(language);
    }
    return languages;
}
