// The third tab: player control modes, the mouse player, the confirm key
// and three sets of seven keys; the "#Control Config" section.
#pragma once

#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class ControlPage : public myPage
{
public:
    explicit ControlPage(wxWindow* parent);

    void SetDefaults() override;
    bool WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);
};
