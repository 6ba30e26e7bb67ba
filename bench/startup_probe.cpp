// Measures program start-up from X events, not by polling: the time from
// exec to the first top-level window mapped, to its first paint (the first
// XDamage report on it), and the peak resident memory (VmHWM) once painted.
// Programs are started alternately, so both see the same machine state,
// and at the same addresses every run: the kernel maps a library's pages
// in blocks around the one first touched, so where a library lands moves
// the resident figure by a few pages from run to run.
//
//   startup_probe RUNS PROGRAM_A PROGRAM_B     (DISPLAY names a private server)
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <spawn.h>
#include <string>
#include <sys/personality.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Sample
{
    double mapMs = 0;
    double paintMs = 0;
    long peakKiB = 0;
};

long peakResidentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool measure(Display *display, int damageEventBase, const char *program, Sample &sample)
{
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True); // drop what earlier runs left

    std::map<Window, Damage> damages;
    Window mapped = 0;
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "startup_probe: cannot start %s\n", program);
        return false;
    }
    bool painted = false;
    while (!painted && msSince(start) < 20000) {
        if (!XPending(display)) {
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify && !event.xcreatewindow.override_redirect) {
            // Watch for damage from the start, before it can be painted.
            damages[event.xcreatewindow.window]
                = XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && !mapped && damages.count(event.xmap.window)) {
            mapped = event.xmap.window;
            sample.mapMs = msSince(start);
        } else if (event.type == damageEventBase + XDamageNotify) {
            const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&event);
            if (mapped && damage->drawable == mapped) {
                sample.paintMs = msSince(start);
                painted = true;
            }
        }
    }
    // Let it settle, then read its peak memory.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    sample.peakKiB = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    // The damage objects went with their windows.
    XSync(display, True);
    return painted;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM_A PROGRAM_B\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    int damageEventBase = 0;
    int damageErrorBase = 0;
    if (!display || !XDamageQueryExtension(display, &damageEventBase, &damageErrorBase)) {
        std::fprintf(stderr, "startup_probe: no X display with the DAMAGE extension\n");
        return 2;
    }

    // Windows come and go between our requests; a window gone before we
    // watched it is no error of ours.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });

    const int persona = personality(0xffffffff);
    if (persona == -1 || personality(static_cast<unsigned long>(persona) | ADDR_NO_RANDOMIZE) == -1)
        std::fprintf(stderr, "startup_probe: programs start at random addresses here; memory varies by a few pages\n");

    const char *programs[2] = {argv[2], argv[3]};
    std::vector<Sample> samples[2];
    // One warm-up each, so that neither pays for a cold file cache alone.
    for (const char *program : programs) {
        Sample ignored;
        measure(display, damageEventBase, program, ignored);
    }
    for (int run = 0; run < runs; ++run) {
        for (int which : {run % 2, 1 - run % 2}) {
            Sample sample;
            if (!measure(display, damageEventBase, programs[which], sample)) {
                std::fprintf(stderr, "startup_probe: %s never painted\n", programs[which]);
                return 1;
            }
            samples[which].push_back(sample);
        }
    }

    std::vector<double> mapRatios, paintRatios, memoryRatios;
    std::vector<double> values[2][3];
    for (int run = 0; run < runs; ++run) {
        const Sample &a = samples[0][static_cast<std::size_t>(run)];
        const Sample &b = samples[1][static_cast<std::size_t>(run)];
        mapRatios.push_back(a.mapMs / b.mapMs);
        paintRatios.push_back(a.paintMs / b.paintMs);
        memoryRatios.push_back(double(a.peakKiB) / double(b.peakKiB));
        for (int which = 0; which < 2; ++which) {
            const Sample &s = samples[which][static_cast<std::size_t>(run)];
            values[which][0].push_back(s.mapMs);
            values[which][1].push_back(s.paintMs);
            values[which][2].push_back(double(s.peakKiB));
        }
    }
    std::printf("%d runs each, alternating\n", runs);
    std::printf("%-40s %12s %12s %12s\n", "program", "mapped ms", "painted ms", "peak KiB");
    for (int which = 0; which < 2; ++which)
        std::printf("%-40s %12.1f %12.1f %12.0f\n", programs[which], median(values[which][0]), median(values[which][1]),
                    median(values[which][2]));
    std::printf("median per-pair ratio A/B: mapped %.3f, painted %.3f, peak memory %.3f\n", median(mapRatios),
                median(paintRatios), median(memoryRatios));
    // A thread that touches a page after the first paint can only add to a
    // run's peak, never take from it: the least of each program's runs is
    // what the program itself needs, the same on a loaded machine or idle.
    const double leastA = *std::min_element(values[0][2].begin(), values[0][2].end());
    const double leastB = *std::min_element(values[1][2].begin(), values[1][2].end());
    std::printf("least peak memory A/B: %.0f / %.0f KiB, ratio %.3f\n", leastA, leastB, leastA / leastB);
    XCloseDisplay(display);
    return 0;
}
