// The strategy tab: fifteen think files kept in the think list.
#pragma once

#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class ThinkPage : public myPage
{
public:
    explicit ThinkPage(wxWindow* parent);

    void SetDefaults() override;

    bool WriteListPath(wxTextOutputStream& out);
    bool ReadListPath(wxTextInputStream& in);
    bool WriteListFile();
    bool ReadListFile();
};
