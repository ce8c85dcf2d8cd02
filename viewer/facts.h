// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Brindlefen's constants that tools read as well as the program: its window, its menu and its
// help lines. Plain values with no GL and no code behind them, so that the manual pages
// (mangen) and the tests' program facts include this alone and link nothing of the program.
// What the program runs is in viewer/viewer.h.
#pragma once

#include "common/common.h"

namespace brindlefen {

inline constexpr int kViewerWindowSize = 400;
inline constexpr const char* kViewerTitle = "Tesk Coursework 2006";

enum ViewerMenuValue {
    kViewerToggleLand = 1,
    kViewerToggleDuck = 2,
    kViewerHelp = 3,
    kViewerQuit = 4
};

// The one flat pop-up menu, top to bottom.
inline constexpr common::MenuEntry kViewerMenuEntries[] = {
    {"Toggle Land", kViewerToggleLand},
    {"Toggle Duck", kViewerToggleDuck},
    {"Help", kViewerHelp},
    {"Quit", kViewerQuit},
};

// The two help lines; printHelp ends each with a newline.
inline constexpr const char* kViewerHelpLines[] = {
    "Welcome to the Tesk 2006 Course work",
    "\tPress x,X,q, or Q to exit",
};

}  // namespace brindlefen
