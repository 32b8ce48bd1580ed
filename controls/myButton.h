// A push button with the look of myLabel. Its clicks reach the page as
// ordinary button-click events.
#pragma once

#include <wx/button.h>

class myButton : public wxButton
{
public:
    myButton(wxWindow* parent, const wxString& label);
};
