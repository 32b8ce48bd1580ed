// The fifth tab: the handicap adjustments of the red and blue corners;
// the "#Match Manipulation Config" section.
#pragma once

#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class ManipPage : public myPage
{
public:
    explicit ManipPage(wxWindow* parent);

    void SetDefaults() override;
    bool WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);
};
