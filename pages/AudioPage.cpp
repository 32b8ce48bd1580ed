#include "pages/AudioPage.h"

AudioPage::AudioPage(wxWindow* parent)
    : myPage(parent)
{
}

void AudioPage::SetDefaults()
{
}

bool AudioPage::WriteBgmListPath(wxTextOutputStream&)
{
    return true;
}

bool AudioPage::ReadBgmListPath(wxTextInputStream&)
{
    return true;
}

bool AudioPage::WriteBgmListFile()
{
    return true;
}

bool AudioPage::ReadBgmListFile()
{
    return true;
}

bool AudioPage::WriteSeListPath(wxTextOutputStream&)
{
    return true;
}

bool AudioPage::ReadSeListPath(wxTextInputStream&)
{
    return true;
}

bool AudioPage::WriteSeListFile()
{
    return true;
}

bool AudioPage::ReadSeListFile()
{
    return true;
}
