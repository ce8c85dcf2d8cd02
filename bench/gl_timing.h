// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Timing GL work on a real window: the clock stops only when the driver has finished the work.
// Wall time is what a user waits; CPU time (every thread of the process, llvmpipe's rasterizer
// threads included) hardly depends on how busy the shared machine is.
#pragma once

#include <chrono>
#include <ctime>

#include <GL/gl.h>

struct GlTime {
    double wall = 0.0;  // seconds
    double cpu = 0.0;   // seconds

    GlTime& operator+=(const GlTime& other) {
        wall += other.wall;
        cpu += other.cpu;
        return *this;
    }
};

inline double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// What `work` costs until the driver is done with it (glFinish on both sides, so no earlier
// frame leaks into the measurement).
template <typename Work>
GlTime timeGl(Work&& work) {
    glFinish();
    const double cpu = processCpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    work();
    glFinish();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            processCpuSeconds() - cpu};
}

inline constexpr double kFrameBudgetSeconds = 0.016;  // Quelmire's redisplay period
