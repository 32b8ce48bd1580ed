// The fifth tab: the handicap adjustments of the red and blue corners;
// the "#Match Manipulation Config" section.
#pragma once

#include "app/SettingTable.h"
#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class ManipPage : public myPage
{
public:
    explicit ManipPage(wxWindow* parent);

    // the rows of one corner: its switch, then its twelve adjustments
    static const int adjustmentCount = 12;
    static const int rowsPerCorner = 1 + adjustmentCount;
    // rows of the settings table: the red corner's, then the blue corner's
    static int SwitchRow(int corner) { return corner * rowsPerCorner; }
    static int AdjustmentRow(int corner, int adjustment)
    {
        return SwitchRow(corner) + 1 + adjustment;
    }

    void SetDefaults() override;
    void WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);

    SettingTable& Settings() { return settings; }

private:
    SettingTable settings;
};
