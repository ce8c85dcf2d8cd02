// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's whole frame and its texture start-up, each against a baseline timed in the same
// run, interleaved iteration by iteration on the same 700 x 700 window.
#include <cstdlib>
#include <memory>

#include <GL/glut.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include "bench/gl_timing.h"
#include "render/render.h"
#include "tests/support/paths.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

namespace {

constexpr double kStartUpAllowanceSeconds = 0.100;

// What every frame costs before the scene: clear to the sky and swap.
void emptyFrame() {
    const Rgba c = clearColour();
    glClearColor(c.r, c.g, c.b, c.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    glutSwapBuffers();
}

void deleteSceneTextures() {
    const GLuint names[] = {scene.woodTexture, scene.signTexture1, scene.signTexture2,
                            scene.grassTexture};
    glDeleteTextures(4, names);
}

// The programs read their textures from the working directory.
void enterDataDir() {
    if (chdir(dataDir().c_str()) != 0) {
        std::abort();
    }
}

// The start-up scene: sun mode, filled, fog off, all props and ducks in view.
void QuelmireFrame(benchmark::State& state) {
    setUpQuelmireGl();
    enterDataDir();
    const SceneImages images = createTextures();
    GlTime empty, whole;
    for (auto _ : state) {
        empty += timeGl(emptyFrame);
        const GlTime frame = timeGl(display);
        whole += frame;
        state.SetIterationTime(frame.wall);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["empty_ms"] = 1e3 * empty.wall / n;
    state.counters["frame_ms"] = 1e3 * whole.wall / n;
    state.counters["x_empty_frame"] = whole.wall / empty.wall;
    state.counters["share_of_16ms"] = whole.wall / n / kFrameBudgetSeconds;
    state.counters["cpu_ms"] = 1e3 * whole.cpu / n;
    state.counters["cpu_x_empty"] = whole.cpu / empty.cpu;
    deleteSceneTextures();
}
BENCHMARK(QuelmireFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The four RAW files read and made into textures, as the start-up does; against reading the
// same files alone and against an empty frame.
void TextureLoading(benchmark::State& state) {
    setUpQuelmireGl();
    enterDataDir();
    GlTime empty, readOnly, created;
    for (auto _ : state) {
        empty += timeGl(emptyFrame);
        readOnly += timeGl([] {
            const assets::kelImage wood(256, 256, "wood.raw", 3), sign1(256, 256, "sign1.raw", 3),
                sign2(256, 256, "sign2.raw", 3), grass(512, 512, "grass.raw", 3);
            benchmark::DoNotOptimize(grass.pixels);
        });
        const GlTime once = timeGl([] { const SceneImages images = createTextures(); });
        created += once;
        state.SetIterationTime(once.wall);
        deleteSceneTextures();
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["create_ms"] = 1e3 * created.wall / n;
    state.counters["x_file_read"] = created.wall / readOnly.wall;
    state.counters["x_empty_frame"] = created.wall / empty.wall;
    state.counters["share_of_100ms"] = created.wall / n / kStartUpAllowanceSeconds;
}
BENCHMARK(TextureLoading)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
