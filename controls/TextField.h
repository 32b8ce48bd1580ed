// A plain single-line text field.
#pragma once

#include <wx/textctrl.h>

class TextField : public wxTextCtrl
{
public:
    explicit TextField(wxWindow* parent);
};
