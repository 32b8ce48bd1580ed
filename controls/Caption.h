// A row caption of the pages, at the size its text needs in the theme's font.
#pragma once

#include <wx/stattext.h>

class Caption : public wxStaticText
{
public:
    Caption(wxWindow* parent, const wxString& text);
};
