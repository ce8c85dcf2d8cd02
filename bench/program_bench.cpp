// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The real Quelmire, started as a user starts it and measured from outside: start-up to first
// frame and peak resident memory against an empty GLUT window started the same way, frames
// delivered and sun ticks per second over ten seconds, and the share of the instructions of a
// running Quelmire that our own code and GLU execute. The programs are not changed: they are
// started by the tests' launcher, whose preloaded probe (tests/support/probe.h) counts their
// swaps and light-0 positions.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>
#include <unistd.h>

#include "tests/support/expected.h"
#include "tests/support/paths.h"
#include "tests/support/program.h"

namespace {

constexpr double kNominalFramesPerSecond = 1000.0 / 16.0;
constexpr double kNominalSunTicksPerSecond = 1000.0 / 20.0;
constexpr int kStartUpRuns = 5;
constexpr double kFirstFrameTimeoutSeconds = 30.0;
constexpr double kSettleSeconds = 1.0;
constexpr double kCountSeconds = 10.0;
constexpr double kMemorySettleSeconds = 3.0;
// Under callgrind everything runs some fifty times slower.
constexpr double kCallgrindFirstFrameTimeoutSeconds = 600.0;
constexpr double kCallgrindCollectSeconds = 30.0;

double nowSeconds() {
    return static_cast<double>(monotonicNanoseconds()) * 1e-9;
}

void pause(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

// A program started by the tests' launcher in the texture folder, with the probe preloaded,
// and the moment just before it was started.
class CountedProgram {
  public:
    explicit CountedProgram(const std::vector<std::string>& command)
        : startNs_(monotonicNanoseconds()), program_(command, dataDir()) {}

    bool waitFirstFrame(double seconds) {
        return waitUntil(
                   [&] {
                       return program_.counts()->firstSwapNs.load() != 0 || !program_.running();
                   },
                   seconds) &&
               program_.counts()->firstSwapNs.load() != 0;
    }

    // From just before the start to the end of the first buffer swap.
    double startUpSeconds() const {
        return static_cast<double>(counts().firstSwapNs.load() - startNs_) * 1e-9;
    }

    // CPU time of every thread of the program until its first frame was on screen.
    double startUpCpuSeconds() const {
        return static_cast<double>(counts().firstSwapCpuNs.load()) * 1e-9;
    }

    int waitExit(double seconds) { return program_.waitExit(seconds); }
    const ProbeCounts& counts() const { return *program_.counts(); }
    pid_t pid() const { return program_.pid(); }

  private:
    std::int64_t startNs_;
    Program program_;
};

// A value of the /proc/PID/status line `key` (in kB for the memory lines).
long statusValue(pid_t pid, const std::string& key) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) == 0) {
            return std::atol(line.c_str() + key.size());
        }
    }
    return -1;
}

// User and system CPU time of the whole process, every thread included.
double cpuSeconds(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::vector<std::string> words{std::istream_iterator<std::string>(fields), {}};
    if (words.size() < 13) {
        return 0.0;
    }
    const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
    return (std::atof(words[11].c_str()) + std::atof(words[12].c_str())) / ticks;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<std::string> quelmireCommand() {
    return {quelmirePath()};
}

std::vector<std::string> emptyWindowCommand() {
    return {EMPTY_WINDOW_PATH};
}

void StartUpToFirstFrame(benchmark::State& state) {
    std::vector<double> quelmire, empty, quelmireCpu, emptyCpu;
    for (auto _ : state) {
        // Alternating, so neither side always meets the warmer caches.
        for (const bool quelmireFirst : {quelmire.size() % 2 == 0, quelmire.size() % 2 != 0}) {
            CountedProgram program(quelmireFirst ? quelmireCommand() : emptyWindowCommand());
            if (!program.waitFirstFrame(kFirstFrameTimeoutSeconds)) {
                state.SkipWithError("no first frame");
                return;
            }
            (quelmireFirst ? quelmire : empty).push_back(program.startUpSeconds());
            (quelmireFirst ? quelmireCpu : emptyCpu).push_back(program.startUpCpuSeconds());
        }
        state.SetIterationTime(quelmire.back());
    }
    state.counters["quelmire_ms"] = 1e3 * median(quelmire);
    state.counters["empty_ms"] = 1e3 * median(empty);
    state.counters["extra_ms"] = 1e3 * (median(quelmire) - median(empty));
    state.counters["x_empty_window"] = median(quelmire) / median(empty);
    state.counters["cpu_ms"] = 1e3 * median(quelmireCpu);
    state.counters["empty_cpu_ms"] = 1e3 * median(emptyCpu);
}
BENCHMARK(StartUpToFirstFrame)
    ->Iterations(kStartUpRuns)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// VmHWM once the program has run a few seconds past its first frame.
double peakMegabytes(const std::vector<std::string>& command) {
    CountedProgram program(command);
    if (!program.waitFirstFrame(kFirstFrameTimeoutSeconds)) {
        return -1.0;
    }
    pause(kMemorySettleSeconds);
    return static_cast<double>(statusValue(program.pid(), "VmHWM:")) / 1024.0;
}

void PeakResidentMemory(benchmark::State& state) {
    double quelmire = 0.0, empty = 0.0;
    for (auto _ : state) {
        empty = peakMegabytes(emptyWindowCommand());
        quelmire = peakMegabytes(quelmireCommand());
    }
    if (quelmire < 0.0 || empty < 0.0) {
        state.SkipWithError("no first frame");
        return;
    }
    state.counters["quelmire_MB"] = quelmire;
    state.counters["empty_MB"] = empty;
    state.counters["extra_MB"] = quelmire - empty;
    state.counters["x_empty_window"] = quelmire / empty;
}
BENCHMARK(PeakResidentMemory)->Iterations(1)->Unit(benchmark::kSecond);

struct RunningRates {
    double framesPerSecond = 0.0;
    double lightPositionsPerSecond = 0.0;
    double cpuShare = 0.0;  // of one core
    double cpuSecondsPerFrame = 0.0;
};

// Counts over kCountSeconds, after the program has settled past its first frame.
bool measureRates(const std::vector<std::string>& command, RunningRates& rates) {
    CountedProgram program(command);
    if (!program.waitFirstFrame(kFirstFrameTimeoutSeconds)) {
        return false;
    }
    pause(kSettleSeconds);
    const ProbeCounts& c = program.counts();
    const double t0 = nowSeconds(), cpu0 = cpuSeconds(program.pid());
    const auto swaps0 = c.swaps.load(), lights0 = c.lightPositions.load();
    pause(kCountSeconds);
    const double t1 = nowSeconds(), cpu1 = cpuSeconds(program.pid());
    const auto swaps1 = c.swaps.load(), lights1 = c.lightPositions.load();
    rates.framesPerSecond = static_cast<double>(swaps1 - swaps0) / (t1 - t0);
    rates.lightPositionsPerSecond = static_cast<double>(lights1 - lights0) / (t1 - t0);
    rates.cpuShare = (cpu1 - cpu0) / (t1 - t0);
    const auto frames = std::max<std::uint64_t>(swaps1 - swaps0, 1);
    rates.cpuSecondsPerFrame = (cpu1 - cpu0) / static_cast<double>(frames);
    return true;
}

void DeliveredFrameRate(benchmark::State& state) {
    RunningRates quelmire, empty;
    for (auto _ : state) {
        if (!measureRates(quelmireCommand(), quelmire) ||
            !measureRates(emptyWindowCommand(), empty)) {
            state.SkipWithError("no first frame");
            return;
        }
    }
    state.counters["fps"] = quelmire.framesPerSecond;
    state.counters["x_62.5"] = quelmire.framesPerSecond / kNominalFramesPerSecond;
    state.counters["empty_fps"] = empty.framesPerSecond;
    // Light 0's position is set only by the sun tick, once per tick.
    state.counters["sun_ticks_per_s"] = quelmire.lightPositionsPerSecond;
    state.counters["sun_x_50"] = quelmire.lightPositionsPerSecond / kNominalSunTicksPerSecond;
    state.counters["cpu_of_core"] = quelmire.cpuShare;
    state.counters["empty_cpu_of_core"] = empty.cpuShare;
    state.counters["cpu_ms_per_frame"] = 1e3 * quelmire.cpuSecondsPerFrame;
}
BENCHMARK(DeliveredFrameRate)->Iterations(1)->Unit(benchmark::kSecond);

// Self cost (instructions, callgrind's Ir counter) per object file and per function, as
// callgrind_annotate reads them from a callgrind output file.
struct CallgrindCosts {
    std::map<std::string, double> byObject;
    std::map<std::string, double> byFunction;  // "object|function"
    double total = 0.0;
};

CallgrindCosts readCallgrind(const std::string& path) {
    CallgrindCosts costs;
    const CommandResult annotated = runCommand(
        "callgrind_annotate --inclusive=no --threshold=100 --show-percs=no '" + path + "'");
    // "1,234,567  file:function [object]", one line per function, every function shown; the
    // object is left out where it is the one of the line before.
    const std::regex line(R"(^\s*([0-9,]+)\s+(.*?)(?: \[(.*)\])?\s*$)");
    std::smatch m;
    std::istringstream in(annotated.output);
    std::string object;
    bool listing = false;
    for (std::string text; std::getline(in, text);) {
        listing = listing || text.find("file:function") != std::string::npos;
        if (!listing || !std::regex_match(text, m, line)) {
            continue;
        }
        if (m[3].matched) {
            object = m[3];
        }
        std::string digits = m[1];
        digits.erase(std::remove(digits.begin(), digits.end(), ','), digits.end());
        const double ir = std::atof(digits.c_str());
        const std::string function = m[2];
        costs.byObject[object] += ir;
        costs.byFunction[object + "|" + function.substr(function.find(':') + 1)] += ir;
        costs.total += ir;
    }
    return costs;
}

std::string realPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

// Prints the biggest entries of a cost table to stderr, as the profile behind the figure.
void printTop(const std::map<std::string, double>& table, double total, std::size_t count,
              const std::string& heading) {
    std::vector<std::pair<double, std::string>> sorted;
    for (const auto& [name, cost] : table) {
        sorted.emplace_back(cost, name);
    }
    std::sort(sorted.rbegin(), sorted.rend());
    std::fprintf(stderr, "%s\n", heading.c_str());
    for (std::size_t i = 0; i < std::min(count, sorted.size()); ++i) {
        std::fprintf(stderr, "  %6.2f %%  %s\n", 100.0 * sorted[i].first / total,
                     sorted[i].second.c_str());
    }
}

bool quitWithKey(const std::string& title) {
    const CommandResult found =
        runCommand("timeout 60 xdotool search --sync --name '^" + title + "$' 2>/dev/null");
    const std::string window = found.output.substr(0, found.output.find('\n'));
    return !window.empty() && xdo("mousemove --window " + window + " 350 350") && xdo("key q");
}

// Instructions of a running Quelmire (after its first frame), attributed by callgrind to the
// object file that executed them. callgrind counts instructions, not seconds, so the figure does
// not depend on how busy the machine is.
void OwnCodeShareOfInstructions(benchmark::State& state) {
    TempDir outDir;
    const std::string out = outDir.path + "/callgrind.out";
    CallgrindCosts costs;
    double frames = 0.0;
    for (auto _ : state) {
        CountedProgram program({"valgrind", "--tool=callgrind", "--instr-atstart=no",
                                "--callgrind-out-file=" + out, quelmirePath()});
        if (!program.waitFirstFrame(kCallgrindFirstFrameTimeoutSeconds)) {
            state.SkipWithError("no first frame under callgrind");
            return;
        }
        runCommand("callgrind_control --instr=on " + std::to_string(program.pid()) +
                   " >/dev/null 2>&1");
        const auto swaps0 = program.counts().swaps.load();
        pause(kCallgrindCollectSeconds);
        frames = static_cast<double>(program.counts().swaps.load() - swaps0);
        if (!quitWithKey(expected::kQuelmireTitle) || program.waitExit(120.0) != 0) {
            state.SkipWithError("Quelmire did not quit with status 0 under callgrind");
            return;
        }
        costs = readCallgrind(out);
    }
    if (costs.total <= 0.0) {
        state.SkipWithError("no callgrind counts");
        return;
    }
    const std::string own = realPath(quelmirePath());
    double glu = 0.0;
    for (const auto& [object, cost] : costs.byObject) {
        if (object.find("libGLU") != std::string::npos) {
            glu += cost;
        }
    }
    const double ours = costs.byObject[own];
    state.counters["own_pct"] = 100.0 * ours / costs.total;
    state.counters["glu_pct"] = 100.0 * glu / costs.total;
    state.counters["own_and_glu_pct"] = 100.0 * (ours + glu) / costs.total;
    state.counters["frames_profiled"] = frames;
    printTop(costs.byObject, costs.total, 8, "Instructions by object file:");
    std::map<std::string, double> oursAndGlu;
    for (const auto& [name, cost] : costs.byFunction) {
        if (name.rfind(own + "|", 0) == 0 || name.find("libGLU") != std::string::npos) {
            oursAndGlu[name.substr(name.rfind('/') + 1)] = cost;
        }
    }
    printTop(oursAndGlu, costs.total, 12, "Our own and GLU's functions:");
}
BENCHMARK(OwnCodeShareOfInstructions)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
