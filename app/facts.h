// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's constants that tools read as well as the program: its window, its help lines, its
// menus and its material colours. Plain values with no GL and no code behind them, so that the
// manual pages (mangen), the icons (iconshot) and the tests' program facts include this alone
// and link nothing of the program. What the program runs is in app/app.h.
#pragma once

#include "common/common.h"

namespace quelmire {

inline constexpr int kWindowWidth = 700;
inline constexpr int kWindowHeight = 700;
inline constexpr int kWindowX = 150;
inline constexpr int kWindowY = 0;
inline constexpr const char* kWindowTitle = "Tesk Coursework 2006: Quelmire";

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

// Menu values of the entries.
enum MainMenuValue { kMenuToggleLight = 1, kMenuToggleFog = 2, kMenuHelp = 3, kMenuQuit = 4 };
enum ResetMenuValue { kMenuResetZoom = 1, kMenuResetRotation = 2, kMenuResetMove = 3 };
enum RenderMenuValue { kMenuFilled = 1, kMenuLines = 2, kMenuPoints = 3 };

// The pop-up menus as the user sees them, top to bottom. The top level holds the two submenus
// between its second and third entries.
inline constexpr common::MenuEntry kResetMenuEntries[] = {
    {"Reset Zoom", kMenuResetZoom},
    {"Reset Rotation", kMenuResetRotation},
    {"Reset Move", kMenuResetMove},
};
inline constexpr common::MenuEntry kRenderModeMenuEntries[] = {
    {"Filled", kMenuFilled},
    {"Lines", kMenuLines},
    {"Points", kMenuPoints},
};
inline constexpr common::MenuEntry kMainMenuEntriesAbove[] = {
    {"Toggle Light (Sun/Fixed)", kMenuToggleLight},
    {"Toggle Fog", kMenuToggleFog},
};
inline constexpr const char* kResetSubmenuLabel = "Reset";
inline constexpr const char* kRenderModeSubmenuLabel = "Change Render Mode";
inline constexpr common::MenuEntry kMainMenuEntriesBelow[] = {
    {"Help", kMenuHelp},
    {"Quit", kMenuQuit},
};

// Material colours: constants that the frame hands to GL inside a GL_LIGHTING_BIT push. The
// desktop icon's duck wears the duck's.
inline constexpr float sunMaterial[4] = {0.9f, 0.5f, 0.0f, 0.0f};
inline constexpr float waterAmbient[4] = {0.1f, 0.2f, 0.7f, 0.5f};
inline constexpr float waterDiffuse[4] = {0.1f, 0.1f, 0.8f, 0.5f};
inline constexpr float waterSpecular[4] = {0.2f, 0.2f, 0.9f, 0.5f};
inline constexpr float duckAmbient[4] = {0.3f, 0.2f, 0.0f, 1.0f};
inline constexpr float duckDiffuse[4] = {0.9f, 0.5f, 0.0f, 1.0f};
inline constexpr float duckSpecular[4] = {0.8f, 0.6f, 0.0f, 1.0f};

}  // namespace quelmire
