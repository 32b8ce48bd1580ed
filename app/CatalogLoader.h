// Finds the program's catalogs in the folders it is given, as
// <folder>/<language>/LC_MESSAGES/<domain>.mo, without asking the toolkit
// where programs keep their files (it cannot tell before it starts, and the
// command line is read before that).
#pragma once

#include <vector>
#include <wx/translation.h>

class CatalogLoader : public wxTranslationsLoader
{
public:
    explicit CatalogLoader(std::vector<wxString> folders) : folders(std::move(folders)) {}

    // the first folder's catalog of the language, "" when none has one
    wxString FileOf(const wxString& domain, const wxString& language) const;

    wxMsgCatalog* LoadCatalog(const wxString& domain, const wxString& language) override;
    wxArrayString GetAvailableTranslations(const wxString& domain) const override;

private:
    const std::vector<wxString> folders;
};
