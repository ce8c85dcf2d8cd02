// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's interaction: its mouse, keyboard and menu callbacks, and the plain functions
// behind them that tests drive without a window. The menus' entries and values are in
// app/facts.h.
#pragma once

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

}  // namespace quelmire
