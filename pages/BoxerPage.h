// The gym tab: thirty member boxer files, each with a button that opens it
// in the boxer editor, kept in the boxer data list with two sparring
// partners the page carries without controls.
#pragma once

#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class BoxerPage : public myPage
{
public:
    explicit BoxerPage(wxWindow* parent);

    void SetDefaults() override;

    bool WriteListPath(wxTextOutputStream& out);
    bool ReadListPath(wxTextInputStream& in);
    bool WriteListFile();
    bool ReadListFile();
};
