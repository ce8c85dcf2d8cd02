// The counters that the preloaded shim (frame_counter.cpp) keeps in a file shared with the
// bench driver, which maps the same file and reads them while the program runs.
#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>

inline constexpr const char* kFrameCounterVariable = "QUELMIRE_FRAME_COUNTER";

struct FrameCounts {
    std::atomic<std::uint64_t> swaps;
    std::atomic<std::uint64_t> lightPositions;
    std::atomic<std::int64_t> firstSwapNs;  // 0 until the first frame is on screen
    std::atomic<std::int64_t> lastSwapNs;
    // CPU time of the whole process (every thread) when its first frame was on screen: unlike
    // the wall time, it hardly depends on how busy the machine is.
    std::atomic<std::int64_t> firstSwapCpuNs;
};
static_assert(std::atomic<std::uint64_t>::is_always_lock_free, "shared between processes");

inline std::int64_t nanoseconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// The clock that both processes read, so their times compare.
inline std::int64_t monotonicNanoseconds() {
    return nanoseconds(CLOCK_MONOTONIC);
}
