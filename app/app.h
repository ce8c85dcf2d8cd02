// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's state and start-up, its application shell: the scene state, the console help, the
// projection and redisplay callbacks, and start with the start-up steps it runs in order; with
// them the constants of app/facts.h (window, help lines, menus, materials).
// Quelmire's code lives in namespace quelmire, Brindlefen's in brindlefen: their callbacks have
// the same names, and one tool or test may hold both programs.
#pragma once

#include <memory>

#include "app/facts.h"
#include "app/scene_state.h"
#include "assets/assets.h"

namespace quelmire {

inline constexpr unsigned kRedisplayMs = 16;

// Writes the eleven help lines to standard output, flushing after each.
void printHelp();

// GLUT reshape callback: viewport follows the window, the aspect ratio stays 1.
void reshape(int width, int height);

// GLUT timer callback: posts a redisplay and re-arms itself every 16 ms.
void redisplayTimer(int value);

// The images behind the four textures. They stay alive until main ends; the members are
// destroyed in reverse order (grass, second sign, first sign, wood).
struct SceneImages {
    std::unique_ptr<assets::kelImage> wood;
    std::unique_ptr<assets::kelImage> sign1;
    std::unique_ptr<assets::kelImage> sign2;
    std::unique_ptr<assets::kelImage> grass;
};

// main's start-up up to its main loop, shaped as Brindlefen's: the window (its id in
// scene.windowId), then the steps below in their order, with the fixed GL state of both
// programs between the textures and the fog, and the help last. The images live as long as
// the result.
SceneImages start(int& argc, char** argv);
// Start-up steps after the window exists, in the order start runs them.
void registerCallbacks();
void startTimers();
void buildMenus();
SceneImages createTextures();
void setFogParameters();
void setUpLight();

}  // namespace quelmire
