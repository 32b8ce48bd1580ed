#include "support/TempDir.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

TempDir::TempDir()
{
    previous = std::filesystem::current_path().string();
    char pattern[] = "/tmp/ringvald-test-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("cannot make a scratch directory");
    path = pattern;
    std::filesystem::current_path(path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
    // files made read-only by a test must still go
    std::filesystem::permissions(path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path, ignored);
}

void WriteFile(const std::string& name, const std::string& bytes)
{
    if (!(std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes))
        throw std::runtime_error("cannot write " + name);
}

std::string ReadFile(const std::string& name)
{
    std::ifstream file(name, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<missing " + name + ">";
}

std::string GoldenFile(const std::string& name)
{
    return ReadFile((std::filesystem::path(__FILE__).parent_path() / "../e2e/golden" / name).string());
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string joined;
    for (const std::string& line : lines)
        joined += line + "\n";
    return joined;
}

std::vector<int> InChildren(const std::vector<std::function<bool()>>& bodies, bool asNobody)
{
    std::vector<pid_t> children;
    for (const auto& body : bodies)
        if ((children.emplace_back(fork())) == 0)
            _exit((!asNobody || geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0)) && body() ? 0 : 1);
    std::vector<int> statuses;
    for (pid_t child : children)
    {
        int status = -1;
        waitpid(child, &status, 0);
        statuses.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    }
    return statuses;
}
