#include "settings/GamePath.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/strconv.h>

namespace
{
// as many links as the kernel follows in one path before giving up (ELOOP)
const int maxLinkHops = 40;

std::vector<std::string> Components(const std::string& path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= path.size())
    {
        const size_t end = std::min(path.find('/', start), path.size());
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string WorkingDirectory()
{
    std::vector<char> buffer(PATH_MAX);
    while (!getcwd(buffer.data(), buffer.size()))
    {
        if (errno != ERANGE)
            return "/";    // the folder went away: relative paths start at the root
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

std::string ReadLink(const std::string& path)
{
    std::vector<char> buffer(PATH_MAX);
    const ssize_t length = readlink(path.c_str(), buffer.data(), buffer.size());
    return length > 0 ? std::string(buffer.data(), static_cast<size_t>(length)) : std::string();
}

// Walks the path one name at a time from the root. The part walked so far
// has no link in it, so ".." is simply its parent. Past the first name that
// does not exist nothing more can be looked up, and the rest is joined as
// written.
std::string ResolveBytes(const std::string& path)
{
    std::string done;    // "" is the root
    if (path.empty() || path[0] != '/')
        done = WorkingDirectory();
    if (done == "/")
        done.clear();

    std::vector<std::string> todo = Components(path);
    std::reverse(todo.begin(), todo.end());    // the next name is at the back
    bool exists = true;
    int hops = 0;
    while (!todo.empty())
    {
        const std::string name = todo.back();
        todo.pop_back();
        if (name == ".")
            continue;
        if (name == "..")
        {
            done.erase(std::min(done.rfind('/'), done.size()));
            continue;
        }
        const std::string next = done + "/" + name;
        struct stat status;
        exists = exists && lstat(next.c_str(), &status) == 0;
        if (exists && S_ISLNK(status.st_mode) && hops < maxLinkHops)
        {
            const std::string target = ReadLink(next);
            if (!target.empty())
            {
                ++hops;
                if (target[0] == '/')
                    done.clear();
                std::vector<std::string> parts = Components(target);
                todo.insert(todo.end(), parts.rbegin(), parts.rend());
                continue;
            }
        }
        done = next;
    }
    return done.empty() ? "/" : done;
}
}

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

wxString GamePath::Resolve(const wxString& path)
{
    return FromBytes(ResolveBytes(ToBytes(path)));
}

bool GamePath::NamesFolder(const wxString& path)
{
    if (path.empty() || path.Last() == L'/' || path.Last() == L'\\')
        return true;
    const wxString name = path.AfterLast(L'/').AfterLast(L'\\');
    struct stat status;
    return name == L"." || name == L".." ||
           (stat(ToBytes(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode));
}

bool GamePath::IsInside(const wxString& path, const wxString& folder)
{
    const std::string resolved = ResolveBytes(ToBytes(path));
    std::string prefix = ResolveBytes(ToBytes(folder));
    if (prefix != "/")
        prefix += '/';
    return resolved.size() > prefix.size() && resolved.compare(0, prefix.size(), prefix) == 0;
}

bool GamePath::SameFile(const wxString& first, const wxString& second)
{
    const std::string one = ResolveBytes(ToBytes(first));
    const std::string other = ResolveBytes(ToBytes(second));
    struct stat a, b;
    return one == other ||
           (stat(one.c_str(), &a) == 0 && stat(other.c_str(), &b) == 0 &&
            a.st_dev == b.st_dev && a.st_ino == b.st_ino);
}

bool GamePath::MayHoldList(const wxString& path, const wxString& gameFolder,
                           const std::vector<wxString>& picked)
{
    if (NamesFolder(path))
        return false;
    return IsInside(path, gameFolder) ||
           std::any_of(picked.begin(), picked.end(),
                       [&](const wxString& choice) { return SameFile(path, choice); });
}
