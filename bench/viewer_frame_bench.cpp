// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Brindlefen's frames with the land alone and with the land and the duck, each against its own
// empty frame (both meshes hidden: clear and swap) timed in the same run on the same window.
#include <benchmark/benchmark.h>

#include "bench/gl_timing.h"
#include "tests/support/gl_window.h"
#include "viewer/viewer.h"

using namespace brindlefen;

namespace {

GlTime timeViewerFrame(float showLand, float showDuck) {
    viewer.showLand = showLand;
    viewer.showDuck = showDuck;
    return timeGl(display);
}

void ViewerFrame(benchmark::State& state, float showLand, float showDuck) {
    ensureGlWindow(kViewerWindowSize, kViewerWindowSize);
    viewer = ViewerState{};
    setGlState();
    reshape(kViewerWindowSize, kViewerWindowSize);
    GlTime empty, shown;
    for (auto _ : state) {
        empty += timeViewerFrame(0.0f, 0.0f);
        const GlTime frame = timeViewerFrame(showLand, showDuck);
        shown += frame;
        state.SetIterationTime(frame.wall);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["empty_ms"] = 1e3 * empty.wall / n;
    state.counters["frame_ms"] = 1e3 * shown.wall / n;
    state.counters["x_empty_frame"] = shown.wall / empty.wall;
    state.counters["cpu_ms"] = 1e3 * shown.cpu / n;
    state.counters["cpu_x_empty"] = shown.cpu / empty.cpu;
}
BENCHMARK_CAPTURE(ViewerFrame, land_only, 1.0f, 0.0f)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK_CAPTURE(ViewerFrame, land_and_duck, 1.0f, 1.0f)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

}  // namespace
