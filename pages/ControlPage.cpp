#include "pages/ControlPage.h"

#include <algorithm>
#include <wx/window.h>

#include "controls/FieldMark.h"
#include "settings/KeyConflicts.h"
#include "settings/SettingSection.h"
#include "settings/Translated.h"

namespace
{
const wchar_t sameSetText[] = wxTRANSLATE(L"同じ組の別の操作にも使われているキーです");
const wchar_t otherPlayerText[] = wxTRANSLATE(L"もう一人のプレイヤーにも使われているキーです");
}

ControlPage::ControlPage(wxWindow* parent, SettingSection& control)
    : SectionPage(parent, control)
{
}

bool ControlPage::IsMarkedTwice(size_t row) const
{
    return std::find(markedRows.begin(), markedRows.end(), row) != markedRows.end();
}

// A key pressed in a key field goes to the settings and the page shows them
// again (SettingControls), so the marks follow at once.
void ControlPage::SettingsShown()
{
    MarkKeysBoundTwice();
}

void ControlPage::MarkKeysBoundTwice()
{
    SettingControls& controls = Controls();
    const SettingSection& section = controls.Section();
    std::vector<wxString> notes(section.Size());
    for (const KeyConflict& conflict : FindKeyConflicts(section))
        for (size_t row : {conflict.first, conflict.second})
        {
            const wxString note = _(conflict.betweenPlayers ? otherPlayerText : sameSetText);
            if (!notes[row].Contains(note))
                notes[row] += (notes[row].empty() ? L"" : L"\n") + note;
        }

    markedRows.clear();
    for (size_t row = 0; row < section.Size(); ++row)
    {
        if (section.At(row).kind != Setting::key)
            continue;
        wxWindow* field = controls.Control(row);
        const bool twice = !notes[row].empty();
        if (twice)
            markedRows.push_back(row);
        ShowFieldMark(field, section.At(row).Help(), notes[row]);
    }
}
