// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's own frames, drawn in this process from its start-up state: the programs' start-up
// steps, sun ticks, commands and display callback, nothing set by hand.
#pragma once

#include <vector>

#include "app/app.h"

// What main leaves before its main loop (textures from the working directory, fixed GL state,
// fog parameters, the light), then reshape to a size x size window. The ducks keep their
// start-up places: their walks draw on rand() and are not ticked.
quelmire::SceneImages startQuelmire(int size);

// A frame, as the program draws between ticks, so that the light goes through the camera of the
// moment; then that many ticks of the sun's own timer callback. The GLUT timers they arm never
// fire: nothing here turns the event loop after start-up, so the moment is the count alone.
void tickSun(int ticks);

// Two frames of display, so that fog, which a frame switches late, covers the whole second one;
// that one read back, size x size, rows top-down.
std::vector<unsigned char> drawFrame(int size);
