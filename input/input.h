// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the interaction room offers: Quelmire's mouse, keyboard and menu callbacks, and the
// plain functions behind them that tests drive without a window.
#pragma once

#include "shell/shell.h"

namespace quelmire {

// GLUT mouse callback: asks GLUT for the modifiers and hands the event on.
void mouse(int button, int state, int x, int y);
// GLUT motion callback: turns, zooms or pans by the drag in progress.
void motion(int x, int y);
// GLUT keyboard callback.
void keyboard(unsigned char key, int x, int y);
// GLUT menu callbacks of the top-level menu and its two submenus.
void mainMenu(int value);
void resetMenu(int value);
void renderModeMenu(int value);

// Any button event ends the drag in progress and moves the reference point; a left press
// starts a zoom (shift alone), a pan (ctrl alone) or a turn (anything else).
void pressButton(int button, int state, int x, int y, int modifiers);

// Every key command but quit; unknown keys do nothing. True if the key was a command.
bool applyKey(unsigned char key);

void resetZoom();
void resetRotation();
void resetMove();
void setFilled();
void setLines();
void setPoints();
void toggleFog();

// Menu values of the entries.
enum MainMenuValue { kMenuToggleLight = 1, kMenuToggleFog = 2, kMenuHelp = 3, kMenuQuit = 4 };
enum ResetMenuValue { kMenuResetZoom = 1, kMenuResetRotation = 2, kMenuResetMove = 3 };
enum RenderMenuValue { kMenuFilled = 1, kMenuLines = 2, kMenuPoints = 3 };

// The pop-up menus as the user sees them, top to bottom. The top level holds the two submenus
// between its second and third entries.
inline constexpr shell::MenuEntry kResetMenuEntries[] = {
    {"Reset Zoom", kMenuResetZoom},
    {"Reset Rotation", kMenuResetRotation},
    {"Reset Move", kMenuResetMove},
};
inline constexpr shell::MenuEntry kRenderModeMenuEntries[] = {
    {"Filled", kMenuFilled},
    {"Lines", kMenuLines},
    {"Points", kMenuPoints},
};
inline constexpr shell::MenuEntry kMainMenuEntriesAbove[] = {
    {"Toggle Light (Sun/Fixed)", kMenuToggleLight},
    {"Toggle Fog", kMenuToggleFog},
};
inline constexpr const char* kResetSubmenuLabel = "Reset";
inline constexpr const char* kRenderModeSubmenuLabel = "Change Render Mode";
inline constexpr shell::MenuEntry kMainMenuEntriesBelow[] = {
    {"Help", kMenuHelp},
    {"Quit", kMenuQuit},
};

}  // namespace quelmire
