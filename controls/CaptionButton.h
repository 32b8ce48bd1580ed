// A push button standing where a row's caption would, labelled with it. Its
// clicks reach the page as ordinary button-click events.
#pragma once

#include <wx/button.h>

class CaptionButton : public wxButton
{
public:
    CaptionButton(wxWindow* parent, const wxString& label);
};
