// The third tab: player control modes, the mouse player, the confirm key
// and three sets of seven keys; the "#Control Config" section.
#pragma once

#include "app/SettingTable.h"
#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class ControlPage : public myPage
{
public:
    // rows of the settings table, in the order of the value lines
    enum Row
    {
        modeP1Row,
        modeP2Row,
        mousePlayerRow,
        goNextKeyRow,
        // the seven keys of each set, in the order left offense, right
        // offense, defense, forward, back, right, left
        keys1P1Row,
        keys2P1Row = keys1P1Row + 7,
        keys2P2Row = keys2P1Row + 7,
        rowCount = keys2P2Row + 7
    };

    explicit ControlPage(wxWindow* parent);

    void SetDefaults() override;
    bool WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);

    SettingTable& Settings() { return settings; }

private:
    SettingTable settings;
};
