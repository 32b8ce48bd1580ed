// A push button with the look of Caption. Its clicks reach the page as
// ordinary button-click events.
#pragma once

#include <wx/button.h>

class CaptionButton : public wxButton
{
public:
    CaptionButton(wxWindow* parent, const wxString& label);
};
