// A real GL window on the test's private X display, for tests that draw and read back.
#pragma once

#include <array>
#include <functional>

// Creates the one test window (RGB, double-buffered, depth) the first time; later calls only
// make it current and set its size. Events are processed until the window is mapped.
void ensureGlWindow(int width = 700, int height = 700);

// Lets GLUT handle pending window-system events (resizes, exposes) without running timers.
void pumpEvents(int rounds = 5);

using Rgb = std::array<int, 3>;

// A pixel of the frame last drawn, x from the left, y from the bottom. It is read from the
// back buffer, which llvmpipe keeps intact across a swap (its front buffer reads back black).
Rgb readFramePixel(int x, int y);

// True if every channel is within `tolerance` of the expected value.
bool near(const Rgb& actual, const Rgb& expected, int tolerance);

// Checks what a reshape callback leaves for a window of this size: the viewport, the
// modelview matrix selected, and `projection` on the projection stack, replacing what was there.
void expectReshapeSets(void (*reshape)(int, int), int width, int height, const double* projection);

// How many primitives a draw produced, as the GL counts them (a primitives-generated query).
unsigned primitivesGenerated(const std::function<void()>& draw);
