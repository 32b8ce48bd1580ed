// A scratch game directory for one test: made empty, made the working
// directory, and removed again with everything in it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path; }

private:
    std::string path, previous;
};

// whole files as bytes, relative to the working directory
void WriteFile(const std::string& name, const std::string& bytes);
std::string ReadFile(const std::string& name);    // "<missing NAME>" when it cannot be read
inline bool FileExists(const std::string& name) { return std::filesystem::exists(name); }
inline void MakeDir(const std::string& name) { std::filesystem::create_directories(name); }

// a file of the game directory the end-to-end test expects (tests/e2e/golden)
std::string GoldenFile(const std::string& name);

// The bodies at once, each in a forked child (as nobody, if run as root and
// asked): the exit status of each, 0 for a body that returned true, 1 for
// false, what it exited with itself, or 128 and the signal that ended it.
std::vector<int> InChildren(const std::vector<std::function<bool()>>& bodies, bool asNobody = false);

// lines joined with a line feed after each, as the editor writes them
std::string Lines(const std::vector<std::string>& lines);
