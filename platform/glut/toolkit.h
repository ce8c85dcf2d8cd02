// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The two halves of the window toolkit. The portable half (toolkit.cpp, timers.cpp, menus.cpp)
// keeps the callbacks, timers and menus and decides what runs when; the platform (browser.cpp
// with browser/*.js on a page, native_*.cpp on EGL for the tests) makes the surface, turns its own
// events into the calls below and runs the loop. One window at a time.
#pragma once

#include <string>
#include <vector>

namespace glut {

// Called by the platform.

// The idle callback, if one is set.
void runIdle();
bool hasIdle();
// The display callback, if a redisplay was posted since it last ran; before the window's first
// display, its reshape with the window's size.
void showFrameIfPosted();
bool redisplayPosted();

// Events at window pixels (y down) with the modifiers held (GLUT_ACTIVE_*). A press of a button
// that has a menu attached opens the menu instead of reaching the program, and so does not its
// release. A release, and motion, reach the program only while a button it saw pressed is held.
void deliverKey(unsigned char key, int x, int y, int modifiers);
void deliverMouse(int button, int state, int x, int y, int modifiers);
void deliverMotion(int x, int y);
// Whether the program saw `button` pressed and not yet released: the one record of held buttons.
bool buttonHeld(int button);

// A timer that platform::startTimer armed has run out: its callback runs, once.
void fireTimer(int timer);

// One entry of a menu, in the order it was added; submenu is 0 for an entry that picks.
struct MenuEntry {
    std::string label;
    int value;
    int submenu;
};
// The entries of a menu, or null if there is no such menu.
const std::vector<MenuEntry>* menuEntries(int menu);
// An entry of `menu` was picked: the menu's callback gets its value.
void pickMenuEntry(int menu, int value);

// Between the portable files: the menu attached to a mouse button of the window, or 0.
int menuAttachedTo(int button);

// Provided by the platform.
namespace platform {

// Makes a surface of width x height pixels current for drawing, titled `title`; on a second
// window, resizes the first. Ends the program with a message if it cannot.
void openSurface(int width, int height, const char* title);
// The window is gone: nothing more is shown of it and none of its events arrive.
void closeSurface();
// Calls fireTimer(timer) once, `milliseconds` from now.
void startTimer(int timer, unsigned milliseconds);
// Shows `menu` at window pixel (x, y) until an entry is picked (pickMenuEntry) or it is
// dismissed.
void openMenu(int menu, int x, int y);

}  // namespace platform

}  // namespace glut
