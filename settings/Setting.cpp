#include "settings/Setting.h"

#include <algorithm>

int Setting::Accept(int value) const
{
    switch (kind)
    {
    case choice:
        return value >= 0 && static_cast<size_t>(value) < choices.size() ? value : -1;
    case number:
        return std::clamp(value, min, max);
    default:
        return value;
    }
}

int Setting::UnfilledNumber() const
{
    return kind == choice ? -1 : Accept(0);
}

Setting Setting::Stored(int (*toFile)(int), int (*toIndex)(int)) const
{
    Setting stored = *this;
    stored.indexToFile = toFile;
    stored.fileToIndex = toIndex;
    return stored;
}

Setting Setting::About(const wxString& line) const
{
    Setting explained = *this;
    explained.about = line;
    return explained;
}

namespace
{
// a long list of choices is broken into lines of this many
const size_t choicesPerLine = 4;

// " 640x480" and " 8 bit" are padded to line up in the drop-down
wxString Trimmed(wxString text)
{
    return text.Trim(true).Trim(false);
}
}

wxString Setting::Help() const
{
    wxString help = about;
    const wxString defaultLine = L"\n" + _(L"初期値: ");
    switch (kind)
    {
    case choice:
        for (size_t i = 0; i < choices.size(); ++i)
            help += (i == 0 ? L"\n" + _(L"選択肢: ") : wxString(i % choicesPerLine == 0 ? L"\n" : L" / ")) +
                    Trimmed(choices[i]);
        if (defaultNumber >= 0 && static_cast<size_t>(defaultNumber) < choices.size())
            help += defaultLine + Trimmed(choices[defaultNumber]);
        break;
    case number:
        help += L"\n" + wxString::Format(_(L"範囲: %d 〜 %d"), min, max);
        if (step > 1)
            help += wxString::Format(_(L"（矢印で %d ずつ）"), step);
        help += defaultLine + wxString::Format(L"%d", defaultNumber);
        break;
    case key:
        help += L"\n" + _(L"キーを押すと、そのキーの名前が入ります");
        [[fallthrough]];
    case text:
        help += defaultLine + (defaultText.empty() ? _(L"（空）") : defaultText);
        break;
    }
    return help;
}

namespace
{
// what every kind of setting declares
Setting Declared(Setting::Kind kind, const std::string& name, int group, const wxString& caption,
                 std::vector<wxString> comments)
{
    Setting setting;
    setting.kind = kind;
    setting.name = name;
    setting.group = group;
    setting.caption = caption;
    setting.comments = std::move(comments);
    return setting;
}
}

Setting ChoiceSetting(const std::string& name, int group, const wxString& caption,
                      std::vector<wxString> choices, int defaultIndex,
                      std::vector<wxString> comments)
{
    Setting setting = Declared(Setting::choice, name, group, caption, std::move(comments));
    setting.choices = std::move(choices);
    setting.defaultNumber = defaultIndex;
    return setting;
}

Setting NumberSetting(const std::string& name, int group, const wxString& caption, int min,
                      int max, int step, int defaultValue, std::vector<wxString> comments)
{
    Setting setting = Declared(Setting::number, name, group, caption, std::move(comments));
    setting.min = min;
    setting.max = max;
    setting.step = step;
    setting.defaultNumber = defaultValue;
    return setting;
}

Setting TextSetting(const std::string& name, int group, const wxString& caption,
                    const wxString& defaultText, std::vector<wxString> comments)
{
    Setting setting = Declared(Setting::text, name, group, caption, std::move(comments));
    setting.defaultText = defaultText;
    return setting;
}

Setting KeySetting(const std::string& name, int group, const wxString& caption,
                   const wxString& defaultKey, std::vector<wxString> comments)
{
    Setting setting = Declared(Setting::key, name, group, caption, std::move(comments));
    setting.defaultText = defaultKey;
    return setting;
}
