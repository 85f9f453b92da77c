// What starting a program costs on an X display: the time from exec to its first window mapped,
// and its resident memory once its main window is shown and the program has settled. Absolute
// times drift on a shared machine, so every figure is taken beside a minimal Qt Widgets
// program (bench/minimal_main_window.cpp) started the same way, alternately, in the same run.
// Goal: at most 1.15 times the minimal program's time and at most 5 MB more memory.
//
// A program whose main window comes after other windows (Kelvane: welcome, login) is led there
// by a script given with --then=NAME=SCRIPT: it runs once the first window is mapped, with
// PROGRAM_PID set, and the memory is taken after it has ended (bench/kelvane_main_window.sh
// logs a user in with xdotool). Before the first start the script runs once with the argument
// "prepare" and no PROGRAM_PID, to leave what the program must find (a user) beside it: made
// while the program starts, it could come too late for the login.
//
// The minimal window is given the size of the program's main window (--size=WxH), taken from
// the program's uncounted first start: the picture the X server shares with a window grows with
// the window, and a smaller yardstick would count the size of the window as the program's weight.
//
// Runs on a private display without a window manager (a window manager would map frames, not
// the programs' windows); a program named without a folder is taken from the copy of build/bin
// (E2E_BIN):
//   scripts/xvfb_run_test.sh --copy-bin build/bin -- build/bench/startup_bench
//       --minimal=build/bench/minimal_main_window [--runs=N]
//       --then=kelvane=bench/kelvane_main_window.sh kelvane morvik
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// Last: Xlib defines macros (None, Success, Bool) that other headers use as names.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(30);
constexpr int kScriptTimeoutSeconds = 60;
constexpr auto kSettleTimeout = std::chrono::seconds(5);
constexpr auto kSample = std::chrono::milliseconds(100);
// Memory counts as settled when five samples in a row stay within this many kilobytes.
constexpr long kSettledKb = 64;
constexpr int kSettledSamples = 5;

struct Start {
    double seconds = 0;
    double residentMb = 0;
    // The part of it that is the program's alone (heap, stacks, written pages): the rest are
    // pages of library code and fonts read from files, which every program using them shares.
    double ownMb = 0;
    std::string windowSize;  // of the largest window shown when the memory was taken
    std::string error;
};

Display* display = nullptr;
Atom netWmPid = None;
// A start that failed fails the run, so the harness cannot rot unnoticed in CI.
bool anyFailed = false;

long WindowPid(Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &left, &data) == Success &&
        type == XA_CARDINAL && format == 32 && count == 1) {
        pid = *reinterpret_cast<long*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

// A figure of /proc/PID/status in kilobytes ("VmRSS:", "RssAnon:").
std::optional<long> StatusKb(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
        }
    }
    return std::nullopt;
}

std::optional<long> ResidentKb(pid_t pid) {
    return StatusKb(pid, "VmRSS:");
}

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Waits for a MapNotify of a window that belongs to pid; false when the program ends first or
// the time is up.
bool WaitForMappedWindow(pid_t pid, std::string& error) {
    const Clock::time_point deadline = Clock::now() + kMapTimeout;
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect &&
                WindowPid(event.xmap.window) == pid) {
                return true;
            }
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            error = "the program ended before it showed a window";
            return false;
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 10);
    }
    error = "no window within 30 s";
    return false;
}

// The size of the largest shown window of pid, as "WxH"; empty when it has none.
std::string LargestWindowSize(pid_t pid) {
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned int count = 0;
    long largest = 0;
    std::string size;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) == 0) {
        return size;
    }
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) == 0 ||
            attributes.map_state != IsViewable || attributes.override_redirect ||
            WindowPid(children[i]) != pid) {
            continue;
        }
        const long area = static_cast<long>(attributes.width) * attributes.height;
        if (area > largest) {
            largest = area;
            size = std::to_string(attributes.width) + "x" + std::to_string(attributes.height);
        }
    }
    if (children != nullptr) {
        XFree(children);
    }
    return size;
}

// Runs the script that leads the program to its main window (pid > 0), or that prepares what
// the program must find (pid 0: the argument "prepare"); false when it fails.
bool RunThen(const std::string& script, pid_t pid, std::string& error) {
    const std::string command =
        (pid > 0 ? "PROGRAM_PID=" + std::to_string(pid) + " " : std::string()) + "timeout " +
        std::to_string(kScriptTimeoutSeconds) + " '" + script + "'" +
        (pid > 0 ? "" : " prepare") + " >/dev/null";
    const int status = std::system(command.c_str());
    if (status != 0) {
        error = script + " failed (" + std::to_string(status) + ")";
        return false;
    }
    return true;
}

Start StartOnce(const std::string& program, const std::string& then,
                const std::string& argument = {}) {
    Start start;
    // Forget the windows of earlier starts.
    XSync(display, False);
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
    }
    const Clock::time_point begin = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        if (argument.empty()) {
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        } else {
            execl(program.c_str(), program.c_str(), argument.c_str(), static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    if (pid < 0) {
        start.error = "fork failed";
        return start;
    }
    if (!WaitForMappedWindow(pid, start.error)) {
        Stop(pid);
        return start;
    }
    start.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
    if (!then.empty() && !RunThen(then, pid, start.error)) {
        Stop(pid);
        return start;
    }

    // The main window is shown; the memory is taken once the program has stopped growing.
    std::optional<long> resident = ResidentKb(pid);
    int steady = 0;
    const Clock::time_point settleEnd = Clock::now() + kSettleTimeout;
    while (resident.has_value() && steady < kSettledSamples && Clock::now() < settleEnd) {
        std::this_thread::sleep_for(kSample);
        const std::optional<long> now = ResidentKb(pid);
        steady = now.has_value() && std::abs(*now - *resident) <= kSettledKb ? steady + 1 : 0;
        resident = now;
    }
    start.windowSize = LargestWindowSize(pid);
    const std::optional<long> own = StatusKb(pid, "RssAnon:");
    Stop(pid);
    if (!resident.has_value()) {
        start.error = "the program ended while it was shown";
        return start;
    }
    start.residentMb = static_cast<double>(resident.value()) / 1024.0;
    start.ownMb = static_cast<double>(own.value_or(0)) / 1024.0;
    return start;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::string ProgramPath(const std::string& name) {
    const char* bin = std::getenv("E2E_BIN");
    if (name.find('/') == std::string::npos && bin != nullptr) {
        return std::string(bin) + "/" + name;
    }
    return name;
}

void BM_StartBesideMinimal(benchmark::State& state, const std::string& name,
                           const std::string& program, const std::string& then,
                           const std::string& minimal) {
    const auto fail = [&state](const std::string& error) {
        state.SkipWithError(error.c_str());
        anyFailed = true;
    };
    std::string error;
    if (!then.empty() && !RunThen(then, 0, error)) {
        return fail(error);
    }
    // One start each that is not counted: the first start reads everything from disk and may
    // write the settings it lacks. The program's gives the size of its main window.
    const Start warmProgram = StartOnce(program, then);
    if (!warmProgram.error.empty() || warmProgram.windowSize.empty()) {
        return fail(program + ": " +
                    (warmProgram.error.empty() ? "no window shown" : warmProgram.error));
    }
    const std::string sizeArgument = "--size=" + warmProgram.windowSize;
    const Start warmMinimal = StartOnce(minimal, {}, sizeArgument);
    if (!warmMinimal.error.empty()) {
        return fail(minimal + ": " + warmMinimal.error);
    }
    std::vector<double> programSeconds, minimalSeconds, programMb, minimalMb, programOwnMb,
        minimalOwnMb;
    for (auto _ : state) {
        // Alternate who goes first, so that neither always finds the caches warmed by the other.
        const bool minimalFirst = programSeconds.size() % 2 == 0;
        Start first =
            minimalFirst ? StartOnce(minimal, {}, sizeArgument) : StartOnce(program, then);
        Start second = !first.error.empty() ? Start{}
                       : minimalFirst       ? StartOnce(program, then)
                                            : StartOnce(minimal, {}, sizeArgument);
        const Start& ours = minimalFirst ? second : first;
        const Start& theirs = minimalFirst ? first : second;
        if (!first.error.empty() || !second.error.empty()) {
            return fail(first.error.empty() ? second.error : first.error);
        }
        state.SetIterationTime(ours.seconds);
        programSeconds.push_back(ours.seconds);
        minimalSeconds.push_back(theirs.seconds);
        programMb.push_back(ours.residentMb);
        minimalMb.push_back(theirs.residentMb);
        programOwnMb.push_back(ours.ownMb);
        minimalOwnMb.push_back(theirs.ownMb);
    }
    const double ms = Median(programSeconds) * 1000;
    const double minimalMs = Median(minimalSeconds) * 1000;
    const double mb = Median(programMb);
    const double minimalMbMedian = Median(minimalMb);
    state.counters["program_ms"] = ms;
    state.counters["minimal_ms"] = minimalMs;
    state.counters["time_ratio"] = ms / minimalMs;
    state.counters["time_diff_ms"] = ms - minimalMs;
    state.counters["program_MB"] = mb;
    state.counters["minimal_MB"] = minimalMbMedian;
    state.counters["memory_diff_MB"] = mb - minimalMbMedian;
    const double ownDiff = Median(programOwnMb) - Median(minimalOwnMb);
    state.counters["own_memory_diff_MB"] = ownDiff;
    char summary[384];
    std::snprintf(summary, sizeof summary,
                  "%s: %.0f ms beside %.0f ms (%.2fx, %+.0f ms; goal 1.15x: %s), %.1f MB beside "
                  "%.1f MB (%+.1f MB; goal 5 MB: %s; of its own %+.1f MB), medians of %zu "
                  "starts, windows %s\n",
                  name.c_str(), ms, minimalMs, ms / minimalMs, ms - minimalMs,
                  ms <= 1.15 * minimalMs ? "met" : "missed", mb, minimalMbMedian,
                  mb - minimalMbMedian, mb - minimalMbMedian <= 5.0 ? "met" : "missed", ownDiff,
                  programSeconds.size(), warmProgram.windowSize.c_str());
    std::cerr << summary;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::string minimal;
    int runs = 10;
    std::vector<std::string> programs;
    std::map<std::string, std::string> thens;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--minimal=", 0) == 0) {
            minimal = argument.substr(10);
        } else if (argument.rfind("--then=", 0) == 0) {
            const std::string value = argument.substr(7);
            const std::size_t equals = value.find('=');
            if (equals == std::string::npos) {
                std::cerr << "startup_bench: --then takes NAME=SCRIPT\n";
                return 2;
            }
            thens[value.substr(0, equals)] = value.substr(equals + 1);
        } else if (argument.rfind("--runs=", 0) == 0) {
            runs = std::max(1, std::atoi(argument.c_str() + 7));
        } else {
            programs.push_back(argument);
        }
    }
    if (minimal.empty() || programs.empty()) {
        std::cerr << "usage: startup_bench --minimal=PROGRAM [--runs=N] [--then=NAME=SCRIPT]... "
                     "PROGRAM...\n";
        return 2;
    }
    display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::cerr << "startup_bench: no X display (run it through scripts/xvfb_run_test.sh)\n";
        return 2;
    }
    netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    for (const std::string& name : programs) {
        const std::string program = ProgramPath(name);
        benchmark::RegisterBenchmark(("BM_StartBesideMinimal/" + name).c_str(),
                                     BM_StartBesideMinimal, name, program, thens[name], minimal)
            ->Iterations(runs)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    XCloseDisplay(display);
    return anyFailed ? 1 : 0;
}
