// Starts a program and times it from launch until the X server maps its
// top-level window with a given title, then reports the program's peak
// resident memory so far and ends it.
//
//   launch-timer [--settle-ms N] [--timeout-ms N] TITLE PROGRAM [ARGUMENT...]
//
// prints one line: "shown_ms=<ms> cpu_ms=<ms> hwm_kb=<kB> rss_kb=<kB>". The
// map is seen as the MapNotify event itself (no polling), so the resolution
// is that of the monotonic clock plus one wake-up. cpu_ms is the CPU time
// the program's threads had used by then (scheduler statistics, in ns): on
// a busy machine it varies far less than the wall time. The memory is read
// after the settle time, so that the first paint, which follows the map, is
// included.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace
{
double NowMs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

std::string WindowTitle(Display* display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    for (Atom property : {netName, static_cast<Atom>(XA_WM_NAME)})
    {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, window, property, 0, 1024, False,
                               property == netName ? utf8 : AnyPropertyType, &type, &format,
                               &count, &after, &data) == Success &&
            data)
        {
            std::string title(reinterpret_cast<char*>(data), count);
            XFree(data);
            if (!title.empty())
                return title;
        }
    }
    return std::string();
}

// the kB figure of one "Name:   1234 kB" line of /proc/<pid>/status
long StatusField(pid_t pid, const char* name)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const size_t length = std::strlen(name);
    while (std::getline(status, line))
        if (line.compare(0, length, name) == 0 && line[length] == ':')
            return std::atol(line.c_str() + length + 1);
    return -1;
}

// the CPU time of all threads of the process so far, from
// /proc/<pid>/task/<tid>/schedstat (its first field: ns on the CPU)
double CpuMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double total = 0;
    while (const dirent* entry = readdir(dir))
    {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double ns = 0;
        if (stat >> ns)
            total += ns / 1e6;
    }
    closedir(dir);
    return total;
}

// A window that went away between its map and our question raises an X
// error; that is not ours to fail on.
int IgnoreXError(Display*, XErrorEvent*)
{
    return 0;
}

int Usage()
{
    std::fprintf(stderr, "usage: launch-timer [--settle-ms N] [--timeout-ms N] TITLE PROGRAM "
                         "[ARGUMENT...]\n");
    return 2;
}
}

int main(int argc, char** argv)
{
    int settleMs = 1000, timeoutMs = 30000;
    int arg = 1;
    for (; arg + 1 < argc && std::strncmp(argv[arg], "--", 2) == 0; arg += 2)
    {
        if (std::strcmp(argv[arg], "--settle-ms") == 0)
            settleMs = std::atoi(argv[arg + 1]);
        else if (std::strcmp(argv[arg], "--timeout-ms") == 0)
            timeoutMs = std::atoi(argv[arg + 1]);
        else
            return Usage();
    }
    if (argc - arg < 2)
        return Usage();
    const std::string title = argv[arg];
    char** program = argv + arg + 1;

    Display* display = XOpenDisplay(nullptr);
    if (!display)
    {
        std::fprintf(stderr, "launch-timer: cannot open the display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    // without a window manager every top-level window is a child of the root
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = NowMs();
    const pid_t child = fork();
    if (child == 0)
    {
        close(ConnectionNumber(display));
        execvp(program[0], program);
        std::perror("launch-timer: exec");
        _exit(127);
    }

    double shown = -1, cpu = -1;
    while (shown < 0)
    {
        while (shown < 0 && XPending(display))
        {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && WindowTitle(display, event.xmap.window) == title)
            {
                shown = NowMs();
                cpu = CpuMs(child);
            }
        }
        if (shown >= 0)
            break;
        int status;
        if (waitpid(child, &status, WNOHANG) == child)
        {
            std::fprintf(stderr, "launch-timer: %s ended before showing its window\n",
                         program[0]);
            return 1;
        }
        if (NowMs() - start > timeoutMs)
        {
            std::fprintf(stderr, "launch-timer: no window \"%s\" within %d ms\n", title.c_str(),
                         timeoutMs);
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return 1;
        }
        pollfd connection = {ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 50);
    }

    usleep(static_cast<useconds_t>(settleMs) * 1000);
    const long peak = StatusField(child, "VmHWM");
    const long resident = StatusField(child, "VmRSS");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);

    std::printf("shown_ms=%.3f cpu_ms=%.3f hwm_kb=%ld rss_kb=%ld\n", shown - start, cpu, peak,
                resident);
    return 0;
}
