// Starts a program on the current X display and reports, when its first
// top-level window has been drawn: the time since exec until the window was
// mapped and until its first frame was drawn into it, in milliseconds, its
// peak resident memory in KiB and the number of shared libraries it has
// loaded.
// Usage: map_timer PROGRAM [ARGUMENTS...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

std::size_t sharedLibraries(pid_t pid)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> libraries;
    for (std::string line; std::getline(maps, line);) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find(".so", slash) != std::string::npos)
            libraries.insert(line.substr(slash));
    }
    return libraries.size();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "map_timer: no X display with the DAMAGE extension\n");
        return 2;
    }
    // Drawing into any window shows as damage to the root window. Qt maps its
    // windows with no background, so the first damage after the map is the
    // program's own first frame.
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);
    for (XEvent stale; XPending(display);)
        XNextEvent(display, &stale);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    Clock::time_point mapped, drawn;
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect && mapped == Clock::time_point())
            mapped = Clock::now();
        else if (event.type == damageEvent + XDamageNotify && mapped != Clock::time_point())
            break;
    }
    drawn = Clock::now();
    const auto ms = [start](Clock::time_point t) { return std::chrono::duration<double, std::milli>(t - start).count(); };

    std::printf("%.2f %.2f %ld %zu\n", ms(mapped), ms(drawn), peakResidentKiB(pid), sharedLibraries(pid));
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
