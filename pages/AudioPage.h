// The sixth tab: the music list (3 slots) and the sound-effect list (12
// slots), two list files named in config.txt.
#pragma once

#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class AudioPage : public myPage
{
public:
    explicit AudioPage(wxWindow* parent);

    void SetDefaults() override;

    bool WriteBgmListPath(wxTextOutputStream& out);
    bool ReadBgmListPath(wxTextInputStream& in);
    bool WriteBgmListFile();
    bool ReadBgmListFile();

    bool WriteSeListPath(wxTextOutputStream& out);
    bool ReadSeListPath(wxTextInputStream& in);
    bool WriteSeListFile();
    bool ReadSeListFile();
};
