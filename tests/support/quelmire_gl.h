// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Sets up Quelmire's GL state in the test window as its start-up does, with a fresh scene.
#pragma once

#include <array>
#include <string>

#include "app/app.h"
#include "tests/support/gl_window.h"

// Window 700 x 700, the start-up's fixed state, fog parameters and light, the projection of
// reshape, and the scene state back at its initial values.
void setUpQuelmireGl();

// Where a scene point lands in the window after the last frame's camera (x, y from the
// bottom left, z the depth).
std::array<double, 3> projectScenePoint(double x, double y, double z);

// Reads a state vector of four floats, such as a material colour.
std::array<float, 4> materialOf(GLenum face, GLenum what);

// Runs createTextures with `dir` as the working directory, as the program does.
quelmire::SceneImages createTexturesIn(const std::string& dir);
