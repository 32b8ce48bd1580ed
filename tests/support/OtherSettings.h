// Settings put away from every default, no two texts or paths alike: what a test sets them to so that a value
// not shown, not stored, or swapped with another is seen.
#pragma once

#include "settings/GameSettings.h"

// every setting away from its default: the next choice, the end of the range farther from it, a text with
// blanks and kana numbered from `text`; the number after the last text
inline int SetOthers(SettingSection& section, int text = 0)
{
    for (size_t row = 0; row < section.Size(); ++row)
    {
        const Setting& s = section.At(row);
        if (s.HoldsText())
            section.SetText(row, wxString::Format(L" テキスト %d ", text++));
        else if (s.kind == Setting::choice)
            section.SetNumber(row, (s.defaultNumber + 1) % static_cast<int>(s.choices.size()));
        else
            section.SetNumber(row, s.defaultNumber == s.max ? s.min : s.max);
    }
    return text;
}

// and every list in the working directory, every slot used, other sparring
inline void SetOthers(GameSettings& s)
{
    int text = 0;
    for (SettingSection* section : {&s.basic, &s.net, &s.control, &s.match, &s.manip, &s.replayList.values,
                                    &s.fontList.sizes})
        text = SetOthers(*section, text);
    for (ListFile* list : s.Lists())    // "replay-other.txt" and so on
        list->path = list->defaultPath.AfterLast(L'/').BeforeFirst(L'c') + L"-other.txt";
    int file = 0;    // no two slots alike
    for (SlotList* slots : {&s.replayList.slots, &s.fontList.paths, &s.imageList.slots, &s.bgmList.slots,
                            &s.seList.slots, &s.boxerList.members, &s.thinkList.entries})
        for (size_t i = 0; i < slots->Size(); ++i)
            slots->SetPath(i, wxString::Format(L"./ファイル/%d.dat", file++));
    for (int i = 0; i < 18; ++i)
        s.boxerList.sparring[i / 9][i % 9] = 20 + i;
}
