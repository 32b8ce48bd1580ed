#include "settings/GamePath.h"

#include <climits>
#include <unistd.h>
#include <wx/strconv.h>

std::string GamePath::ToBytes(const wxString& path)
{
    const wxMBConvUTF8 conv(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
    size_t length = 0;
    const wxCharBuffer bytes = conv.cWC2MB(path.wc_str(), path.length(), &length);
    return bytes.data() ? std::string(bytes.data(), length) : std::string();
}

wxString GamePath::FromBytes(const std::string& bytes)
{
    const wxMBConvUTF8 conv(wxMBConvUTF8::MAP_INVALID_UTF8_TO_PUA);
    return wxString(bytes.data(), conv, bytes.size());
}

GamePath::Names GamePath::Split(const wxString& path)
{
    Names split;
    const std::string bytes = ToBytes(path);
    split.unnamable = bytes.find('\0') != std::string::npos;
    split.absolute = !bytes.empty() && (bytes[0] == '/' || bytes[0] == '\\');
    std::string last;
    size_t start = 0;
    while (start <= bytes.size())
    {
        const size_t end = std::min(bytes.find_first_of("/\\", start), bytes.size());
        last = bytes.substr(start, end - start);
        if (last == "..")
        {
            if (!split.names.empty() && split.names.back() != "..")
                split.names.pop_back();
            else if (!split.absolute)    // above the root is the root
                split.names.push_back(last);
        }
        else if (!last.empty() && last != ".")
            split.names.push_back(last);
        start = end + 1;
    }
    split.folder = last.empty() || last == "." || last == ".." || split.names.empty() ||
                   split.names.back() == "..";
    return split;
}

bool GamePath::SameNames(const wxString& first, const wxString& second)
{
    const Names one = Split(first), other = Split(second);
    return one.absolute == other.absolute && one.names == other.names;
}

bool GamePath::EqualIgnoringCase(const std::string& first, const std::string& second)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (first.size() != second.size())
        return false;
    for (size_t i = 0; i < first.size(); ++i)
        if (lower(first[i]) != lower(second[i]))
            return false;
    return true;
}

wxString GamePath::RelativeToWorkingDirectory(const wxString& path)
{
    const Names target = Split(path);
    char here[PATH_MAX];
    if (!target.absolute || !getcwd(here, sizeof here))
        return path;
    const std::vector<std::string> start = Split(FromBytes(here)).names;
    size_t common = 0;
    while (common < start.size() && common < target.names.size() && start[common] == target.names[common])
        ++common;
    std::string relative;
    for (size_t up = common; up < start.size(); ++up)
        relative += "../";
    for (size_t name = common; name < target.names.size(); ++name)
        relative += target.names[name] + (name + 1 < target.names.size() ? "/" : "");
    return FromBytes(relative.empty() ? std::string(".") : relative);
}
