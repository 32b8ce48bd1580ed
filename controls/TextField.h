// A plain single-line text field with the common font and width.
#pragma once

#include <wx/textctrl.h>

class TextField : public wxTextCtrl
{
public:
    explicit TextField(wxWindow* parent);
};
