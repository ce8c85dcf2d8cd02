// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the application shell offers the other rooms: the scene state, the console help, the
// projection and redisplay callbacks, and the start-up steps that main runs in order.
// Quelmire's code lives in namespace quelmire, Brindlefen's in brindlefen: their callbacks have
// the same names, and one tool or test may hold both programs.
#pragma once

#include <memory>

#include "app/scene_state.h"
#include "assets/assets.h"

namespace quelmire {

inline constexpr int kWindowWidth = 700;
inline constexpr int kWindowHeight = 700;
inline constexpr int kWindowX = 150;
inline constexpr int kWindowY = 0;
inline constexpr const char* kWindowTitle = "Tesk Coursework 2006: Quelmire";
inline constexpr unsigned kRedisplayMs = 16;

// The console help, one line each; printHelp ends every line with a newline.
inline constexpr const char* kHelpLines[] = {
    "Welcome to the Tesk 2006 Course work",
    "\tPress h or H for help",
    "\tPress x, X, q, or Q to exit",
    "\tPress z or Z to reset Zoom",
    "\tPress m or M to reset Move",
    "\tPress r or R to reset Rotation",
    "\tPress n or N to view Normal filled polygons",
    "\tPress l or L to view the Lines that make the polygons",
    "\tPress p or P to view the Points that make the polygons",
    "\tPress s or S to toggle between fixed light and Sun light",
    "\tPress f or F to toggle the Fog on or off",
};

// Writes the eleven help lines to standard output, flushing after each.
void printHelp();

// GLUT reshape callback: viewport follows the window, the aspect ratio stays 1.
void reshape(int width, int height);

// GLUT timer callback: posts a redisplay and re-arms itself every 16 ms.
void redisplayTimer(int value);

// The images behind the four textures. They stay alive until main ends; the members are
// destroyed in reverse order (grass, second sign, first sign, wood).
struct SceneImages {
    std::unique_ptr<kelImage> wood;
    std::unique_ptr<kelImage> sign1;
    std::unique_ptr<kelImage> sign2;
    std::unique_ptr<kelImage> grass;
};

// Start-up steps, in the order main runs them once the window exists; the fixed GL state, set
// between the textures and the fog, is shell::setFixedGlState, the same in both programs.
void registerCallbacks();
void startTimers();
void buildMenus();
SceneImages createTextures();
void setFogParameters();
void setUpLight();

}  // namespace quelmire
