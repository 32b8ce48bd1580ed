#include "pages/MatchPage.h"

MatchPage::MatchPage(wxWindow* parent)
    : myPage(parent)
{
}

void MatchPage::SetDefaults()
{
}

bool MatchPage::WriteSection(wxTextOutputStream&)
{
    return true;
}

bool MatchPage::ReadSection(wxTextInputStream&)
{
    return true;
}

bool MatchPage::WriteReplayListPath(wxTextOutputStream&)
{
    return true;
}

bool MatchPage::ReadReplayListPath(wxTextInputStream&)
{
    return true;
}

bool MatchPage::WriteReplayListFile()
{
    return true;
}

bool MatchPage::ReadReplayListFile()
{
    return true;
}
