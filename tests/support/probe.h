// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// A small library preloaded into a real program by the test and bench launcher (LD_PRELOAD). It
// changes nothing the program does (unless asked to place its window); it counts frames and sun
// ticks and writes down the menus the program builds, so that tests wait for what happened instead
// of for a time. The counters live in a file that the launcher maps too; the menu calls go to a
// text file beside it.
#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>

// Names the folder where the probe finds its counter file and writes its menu log.
inline constexpr const char* kProbeDirVariable = "QUELMIRE_PROBE_DIR";
// When set to "x y side", the window opens there, side x side, whatever the program asks for:
// valgrind's slow drawing then never pays for a large first frame.
inline constexpr const char* kProbeWindowVariable = "QUELMIRE_PROBE_WINDOW";
inline constexpr const char* kProbeCountsFile = "counts";
inline constexpr const char* kProbeMenusFile = "menus";

struct ProbeCounts {
    // Buffer swaps: each frame ends in exactly one, and on Xvfb the swap has handed the frame to
    // the X server when it returns.
    std::atomic<std::uint64_t> swaps;
    // Light 0 positions: Quelmire sets one per sun tick and one for the fixed light.
    std::atomic<std::uint64_t> lightPositions;
    std::atomic<std::int64_t> firstSwapNs;  // 0 until the first frame is on screen
    std::atomic<std::int64_t> lastSwapNs;
    // CPU time of the whole process when its first frame was on screen: unlike the wall time,
    // it hardly depends on how busy the machine is.
    std::atomic<std::int64_t> firstSwapCpuNs;
    // How many bytes the program had written to its standard output when that first frame came.
    std::atomic<std::int64_t> stdoutBytesAtFirstSwap;
};
static_assert(std::atomic<std::uint64_t>::is_always_lock_free, "shared between processes");

inline std::int64_t nanoseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The clock that both processes read, so that their times compare.
inline std::int64_t monotonicNanoseconds() {
    return nanoseconds(CLOCK_MONOTONIC);
}
