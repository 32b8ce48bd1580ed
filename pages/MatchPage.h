// The fourth tab: the match rules ("#Match Rules Config" section) and, in
// its right-hand column, the replay list file with its nine slots.
#pragma once

#include "app/myPage.h"

class wxTextInputStream;
class wxTextOutputStream;

class MatchPage : public myPage
{
public:
    explicit MatchPage(wxWindow* parent);

    void SetDefaults() override;
    bool WriteSection(wxTextOutputStream& out);
    bool ReadSection(wxTextInputStream& in);

    bool WriteReplayListPath(wxTextOutputStream& out);
    bool ReadReplayListPath(wxTextInputStream& in);
    bool WriteReplayListFile();
    bool ReadReplayListFile();
};
