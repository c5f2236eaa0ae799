// What a person waits for at start-up, measured from outside on an X display
// with no window manager: from exec to the first window mapped and to its
// whole area painted, and from a click on Continue to the main window mapped
// and painted, with the program's peak memory at each of those moments. Mixora
// runs in alternating rounds beside three baselines (see startupbaseline.cpp),
// and the medians are printed with their ratios. Exit is never timed: each
// program is killed once it has been measured.
//
// Usage: mixora_startupbench [--rounds N] BASELINE_PROGRAM MIXORA_PROGRAM...
// (several Mixora builds, before and after a change, say, run in the same rounds)
#include "bench/screenwatcher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace {

using namespace std::chrono_literals;
using Clock = ScreenWatcher::Clock;

struct Point
{
    int x;
    int y;
};

struct Program
{
    std::string name;
    std::vector<std::string> command;
    std::optional<Point> continueAt; // within the first window; its middle if not given
    std::string secondName;          // the window Continue opens; none if empty
};

struct Sample
{
    double mappedMs;
    double paintedMs;
    long peakKb;
};

struct Figures
{
    std::vector<Sample> first;
    std::vector<Sample> second;
};

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

pid_t spawn(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error("cannot start " + command[0] + ": " + std::strerror(failed));
    return pid;
}

// "build-release" for "build-release/app/mixora".
std::string buildTreeName(const std::string &program)
{
    std::string path = program;
    for (int level = 0; level < 2 && path.find('/') != std::string::npos; ++level)
        path.erase(path.rfind('/'));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

ScreenWatcher::Shown expectWindow(ScreenWatcher &watcher, pid_t pid, const std::string &what)
{
    // Long enough to see a late resize, short beside the rounds.
    const std::optional<ScreenWatcher::Shown> shown = watcher.waitForWindow(pid, 10s, 150ms);
    if (!shown)
        throw std::runtime_error("no window painted for " + what);
    return *shown;
}

// A program under test, killed once measured or once the measuring fails.
struct Running
{
    explicit Running(const std::vector<std::string> &command)
        : pid(spawn(command))
    {
    }
    ~Running()
    {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    Running(const Running &) = delete;
    Running &operator=(const Running &) = delete;

    const pid_t pid;
};

void runOnce(ScreenWatcher &watcher, const Program &program, Figures &figures)
{
    watcher.forgetWindows();
    const Clock::time_point started = Clock::now();
    const Running running(program.command);
    const ScreenWatcher::Shown first = expectWindow(watcher, running.pid, program.name);
    figures.first.push_back({msBetween(started, first.mapped), msBetween(started, first.painted), first.peakKb});
    if (program.secondName.empty())
        return;
    const Point at = program.continueAt.value_or(Point{first.width / 2, first.height / 2});
    watcher.pointAt(first.window, at.x, at.y);
    watcher.idle(running.pid, 100ms); // the hover repaint is not part of the wait
    const Clock::time_point pressed = Clock::now();
    watcher.click();
    const ScreenWatcher::Shown second = expectWindow(watcher, running.pid, program.secondName);
    figures.second.push_back({msBetween(pressed, second.mapped), msBetween(pressed, second.painted), second.peakKb});
}

template <typename Field>
double median(const std::vector<Sample> &samples, Field field)
{
    std::vector<double> values;
    for (const Sample &sample : samples)
        values.push_back(double(sample.*field));
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printRow(const std::string &name, const std::vector<Sample> &samples)
{
    std::printf("  %-38s %9.1f %11.1f %10.0f\n", name.c_str(), median(samples, &Sample::mappedMs),
                median(samples, &Sample::paintedMs), median(samples, &Sample::peakKb));
}

void printRatio(const char *name, const std::vector<Sample> &ours, const std::vector<Sample> &base,
                const char *targets)
{
    std::printf("  %-38s %9.3f %11.3f %10.3f  %s\n", name,
                median(ours, &Sample::mappedMs) / median(base, &Sample::mappedMs),
                median(ours, &Sample::paintedMs) / median(base, &Sample::paintedMs),
                median(ours, &Sample::peakKb) / median(base, &Sample::peakKb), targets);
}

} // namespace

int main(int argc, char *argv[])
{
    int rounds = 30;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--rounds") == 0) {
        rounds = std::max(1, std::atoi(argv[2]));
        first = 3;
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: %s [--rounds N] BASELINE_PROGRAM MIXORA_PROGRAM [MIXORA_PROGRAM...]\n", argv[0]);
        return 2;
    }
    const std::string baseline = argv[first];
    std::vector<Program> programs = {
        {"empty QWidget", {baseline, "empty"}, std::nullopt, ""},
        {"bold 18 pt Arial label", {baseline, "label"}, std::nullopt, ""},
        {"MDI baseline", {baseline, "mdi"}, std::nullopt, "MDI main window"},
    };
    // Continue's middle, from the splash window's own layout.
    const Point splashContinue = {400, 254};
    const bool several = argc - first > 2;
    for (int i = first + 1; i < argc; ++i) {
        // Several builds are told apart by their tree's name.
        const std::string tree = several ? " (" + buildTreeName(argv[i]) + ")" : "";
        programs.push_back({"Mixora splash" + tree, {argv[i]}, splashContinue, "Mixora main window" + tree});
    }

    std::vector<Figures> figures(programs.size());
    try {
        ScreenWatcher watcher;
        const int warmUp = 2; // file and font caches; not counted
        for (int round = 0; round < warmUp + rounds; ++round) {
            // Each program takes each place in the order in turn.
            for (size_t i = 0; i < programs.size(); ++i) {
                const size_t which = (i + size_t(round)) % programs.size();
                Figures scratch;
                runOnce(watcher, programs[which], round < warmUp ? scratch : figures[which]);
            }
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }

    const std::vector<Sample> &empty = figures[0].first;
    const std::vector<Sample> &label = figures[1].first;
    const std::vector<Sample> &mdi = figures[2].second;
    std::printf("Medians of %d alternating rounds; ratios with their targets\n\n", rounds);
    std::printf("From exec                                mapped ms  painted ms    peak kB\n");
    printRow(programs[0].name, empty);
    printRow(programs[1].name, label);
    printRatio("label / empty QWidget", label, empty, "");
    for (size_t i = 3; i < programs.size(); ++i) {
        printRow(programs[i].name, figures[i].first);
        printRatio("  / label", figures[i].first, label, "(1.05, 1.10, 1.06)");
        printRatio("  / empty QWidget", figures[i].first, empty, "");
    }
    std::printf("\nFrom the click on Continue               mapped ms  painted ms    peak kB\n");
    printRow(programs[2].secondName, mdi);
    for (size_t i = 3; i < programs.size(); ++i) {
        printRow(programs[i].secondName, figures[i].second);
        printRatio("  / MDI baseline", figures[i].second, mdi, "(-, 1.10, -)");
    }
    return 0;
}
