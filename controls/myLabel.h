// A row caption of the pages: fixed size, simple border, common font.
#pragma once

#include <wx/stattext.h>

class myLabel : public wxStaticText
{
public:
    myLabel(wxWindow* parent, const wxString& text);
};
