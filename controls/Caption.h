// A row caption of the pages: fixed size, simple border, common font.
#pragma once

#include <wx/stattext.h>

class Caption : public wxStaticText
{
public:
    Caption(wxWindow* parent, const wxString& text);
};
