// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The launchers as a user starts them from an installed tree (cmake --install or the unpacked
// package): each must start its own program in the installed texture folder, from wherever
// the user is, and show the scene with its textures.
#pragma once

#include <string>

#include "tests/support/program.h"

// Share of black pixels in a rectangle. Land drawn without its texture is black (the image
// buffers start zeroed), so textured land is the opposite.
double shareOfBlack(const Screenshot& shot, int x0, int y0, int x1, int y1);

// The land in Quelmire's start-up view: the band below the grove and the lower right corner,
// beside the pond.
double shareOfBlackLand(const Screenshot& shot);

// Starts the launcher `bin`/quelmire from `from` and checks that it runs `programs`/quelmire in
// `textures`, that its first frame shows textured land, and that q ends it with status 0.
void expectQuelmireLauncherWorks(const std::string& bin, const std::string& programs,
                                 const std::string& textures, const std::string& from);

// The same for Brindlefen, whose first frame shows the lit land edge-on across the middle.
void expectBrindlefenLauncherWorks(const std::string& bin, const std::string& programs,
                                   const std::string& textures, const std::string& from);

// Presses q in the window; the program must end with status 0.
void quitWithQ(Program& program, const std::string& window);
