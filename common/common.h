// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Both programs' common GLUT code, what they do alike written once: the camera type, the window
// they open, the callbacks they register, their fixed GL state, projection, camera placing and
// frame end, the turning drag, the quit keys, the menu entries and the help lines. It knows
// nothing else of either program: each hands in its own values and state.
#pragma once

#include <cstddef>
#include <optional>

namespace common {

// The camera both programs look through, with the left-button drag that moves it. Each
// program's state holds one and gives it its own starting view; the pan and the drag start at
// zero in both. Brindlefen's drag only turns: it never pans, zooms or sets zooming or moving.
struct Camera {
    // Translate by (moveX, moveY, zoom - 500), then turn by rotationX about x and rotationY
    // about y. Angles in degrees, never wrapped.
    float rotationX;
    float rotationY;
    float zoom;
    float moveX = 0.0f;
    float moveY = 0.0f;

    // The drag in progress: at most one flag is set. The reference point is in window pixels,
    // y growing downwards as GLUT reports it.
    bool rotating = false;
    bool zooming = false;
    bool moving = false;
    float lastMouseX = 0.0f;
    float lastMouseY = 0.0f;
};

// Where a window asks to stand on the screen: its top left, in pixels.
struct ScreenPlace {
    int x;
    int y;
};

// Opens the program's one window: double-buffered RGB with a depth buffer, width x height, at
// `place` if given (else where the window system puts it). GLUT wants the mode, size and place
// before glutInit, which gets the command line unchanged. Returns the window's id; its GL
// context is current from then on.
int openWindow(int& argc, char** argv, int width, int height, std::optional<ScreenPlace> place,
               const char* title);

// The callbacks that both programs register, in this order.
struct Callbacks {
    void (*display)();
    void (*keyboard)(unsigned char key, int x, int y);
    void (*mouse)(int button, int state, int x, int y);
    void (*motion)(int x, int y);
    void (*reshape)(int width, int height);
};
void registerCallbacks(const Callbacks& callbacks);

// Set once at start-up: depth test and lighting on, face culling off, smooth shading.
void setFixedGlState();

// The viewport follows the window; the projection sees 30 degrees at the fixed aspect 1, so a
// non-square window stretches the picture. Leaves the modelview matrix current.
void setPerspective(int width, int height, double nearPlane, double farPlane);

// The camera on a fresh modelview matrix: moved by (moveX, moveY, zoom - 500), so the eye stands
// 500 units back at zoom 0, then turned by rotationX degrees about x and rotationY about y.
void placeCamera(const Camera& camera);

// The end of every frame: flush, then show the back buffer.
void finishFrame();

// One step of a turning drag to (x, y): a degree per pixel since the last point, sideways about
// the vertical, up and down about the horizontal (dragging down adds to rotationX). (x, y) then
// becomes the last point.
void turnByDrag(int x, int y, Camera& camera);

// x, X, q and Q.
bool isQuitKey(unsigned char key);
// The quit keys' way out: the window destroyed, then the process ended with status 0.
[[noreturn]] void quitWindow(int windowId);

// One pop-up menu entry: its label and the value its handler gets.
struct MenuEntry {
    const char* label;
    int value;
};
// Adds the entries to the current menu, top to bottom.
void addMenuEntries(const MenuEntry* entries, std::size_t count);
template <std::size_t N>
void addMenuEntries(const MenuEntry (&entries)[N]) {
    addMenuEntries(entries, N);
}

// Writes each line to standard output with a newline, flushing after each.
void printLines(const char* const* lines, std::size_t count);
template <std::size_t N>
void printLines(const char* const (&lines)[N]) {
    printLines(lines, N);
}

}  // namespace common
