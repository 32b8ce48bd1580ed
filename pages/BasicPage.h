// The first tab: screen, sound device, volume, language and fonts, display
// accuracy, camera and skip settings; the first section of config.txt, and
// the page the machine-spec presets act on.
#pragma once

#include "app/SettingTable.h"
#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class BasicPage : public myPage
{
public:
    explicit BasicPage(wxWindow* parent);

    void SetDefaults() override;
    bool WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);

    // the machine-spec presets: display settings for five classes of machine
    void SetUltraHighSpec();
    void SetHighSpec();
    void SetMiddleSpec();
    void SetLowSpec();
    void SetUltraLowSpec();

    SettingTable& Settings() { return settings; }

private:
    void ApplyPreset(int level);

    SettingTable settings;
};
