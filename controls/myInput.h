// A plain single-line text field with the common font and width.
#pragma once

#include <wx/textctrl.h>

class myInput : public wxTextCtrl
{
public:
    explicit myInput(wxWindow* parent);
};
