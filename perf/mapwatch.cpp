// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long it takes to put its first window on the
// screen: wall time and the program's CPU time from exec until the X server maps
// a top-level window, then its peak resident memory a moment later. The program
// is stopped afterwards. One line on standard output:
//     wall_ms=12.345 cpu_ms=10.123 vmhwm_kb=45678
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Options
{
    int holdMs = 300;
    int timeoutMs = 30000;
    char** program = nullptr;
};

std::optional<Options> parseOptions(int argc, char** argv)
{
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--hold-ms") == 0 && i + 1 < argc)
            options.holdMs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--timeout-ms") == 0 && i + 1 < argc)
            options.timeoutMs = std::atoi(argv[++i]);
        else
            return std::nullopt;
    }
    if (i + 1 >= argc)
        return std::nullopt;
    options.program = argv + i + 1;
    return options;
}

// CPU time of every live thread of the process, in nanoseconds, from the
// scheduler's own accounting; falls back to the tick-grained total.
double cpuMilliseconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        unsigned long long sum = 0;
        bool any = false;
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
            unsigned long long onCpu = 0;
            if (stat >> onCpu) {
                sum += onCpu;
                any = true;
            }
        }
        closedir(dir);
        if (any && sum > 0)
            return double(sum) / 1e6;
    }
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string field;
    unsigned long long ticks = 0;
    for (int i = 1; i <= 15 && stat >> field; ++i) {
        if (i >= 14)
            ticks += std::stoull(field);
    }
    return 1000.0 * double(ticks) / double(sysconf(_SC_CLK_TCK));
}

long peakResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    }
    return -1;
}

// The process that owns a window, as the toolkit announces it; 0 when unknown.
long windowPid(Display* display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return 0;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && count == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

// Waits for the program's first top-level window to be mapped. False when the
// program ends or the time runs out first.
bool waitForMap(Display* display, pid_t child, Clock::time_point deadline)
{
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect)
                continue;
            const long owner = windowPid(display, event.xmap.window);
            if (owner == 0 || owner == child)
                return true;
        }
        if (waitpid(child, nullptr, WNOHANG) == child)
            return false;
        poll(&connection, 1, 5);
    }
    return false;
}

void stopProgram(pid_t child)
{
    kill(child, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(child, nullptr, WNOHANG) == child)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s [--hold-ms MS] [--timeout-ms MS] -- PROGRAM [ARGUMENTS...]\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: cannot open the X display\n", argv[0]);
        return 2;
    }
    fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(options->program[0], options->program);
        std::fprintf(stderr, "cannot run %s: %s\n", options->program[0], std::strerror(errno));
        _exit(127);
    }
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (!waitForMap(display, child, start + std::chrono::milliseconds(options->timeoutMs))) {
        std::fprintf(stderr, "%s: %s ended or timed out before showing a window\n", argv[0],
                     options->program[0]);
        stopProgram(child);
        return 1;
    }
    const double wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double cpuMs = cpuMilliseconds(child);
    std::this_thread::sleep_for(std::chrono::milliseconds(options->holdMs));
    const long hwmKb = peakResidentKb(child);
    stopProgram(child);
    XCloseDisplay(display);
    std::printf("wall_ms=%.3f cpu_ms=%.3f vmhwm_kb=%ld\n", wallMs, cpuMs, hwmKb);
    return 0;
}
