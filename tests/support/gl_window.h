// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// A real GL window on the test's private X display, for tests that draw and read back.
#pragma once

#include <array>
#include <functional>

#include <GL/gl.h>

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

// Column-major 4 x 4 matrices as GL stores them.
using Matrix = std::array<double, 16>;

// The perspective projection from its textbook definition (field of view in degrees), worked
// out here rather than asked of GLU.
Matrix perspectiveMatrix(double fieldOfView, double aspect, double nearPlane, double farPlane);

// A translation by t followed by turns of `degreesX` about x and `degreesY` about y, composed
// here from the rotation formulas rather than by GL.
Matrix translateThenTurn(const std::array<double, 3>& t, double degreesX, double degreesY);

// Checks the current matrix of `which` (GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX) against
// `expected`, element by element, to single precision.
void expectMatrix(GLenum which, const Matrix& expected);

// Checks what a reshape callback leaves for a window of this size: the viewport, the
// modelview matrix selected, and `projection` on the projection stack, replacing what was there.
void expectReshapeSets(void (*reshape)(int, int), int width, int height, const Matrix& projection);

// How many primitives a draw produced, as the GL counts them (a primitives-generated query).
unsigned primitivesGenerated(const std::function<void()>& draw);
