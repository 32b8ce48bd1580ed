#include "app/CatalogLoader.h"

#include <wx/dir.h>
#include <wx/filename.h>

wxString CatalogLoader::FileOf(const wxString& folder, const wxString& domain, const wxString& language) const
{
    return folder + L"/" + language + L"/LC_MESSAGES/" + domain + L".mo";
}

wxMsgCatalog* CatalogLoader::LoadCatalog(const wxString& domain, const wxString& language)
{
    for (const wxString& folder : folders)
        if (wxFileName::FileExists(FileOf(folder, domain, language)))
            return wxMsgCatalog::CreateFromFile(FileOf(folder, domain, language), domain);
    return nullptr;
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
            if (wxFileName::FileExists(FileOf(folder, domain, language)) && languages.Index(language) == wxNOT_FOUND)
                languages.push_back(language);
    }
    return languages;
}
