// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The browser draws what the desktop draws: momentshot and brindlefen_momentshot, built for the
// browser on our OpenGL, GLU and GLUT over WebGL 2, draw the programs' moments in headless
// Chromium (SwiftShader); the same tools built on the desktop's OpenGL draw them on Mesa. Two
// rasterisers may put an edge or a line a pixel apart, so a pixel of either frame counts as wrong
// only where it differs by more than 8 of 255 from the other frame's pixel at the same place and
// from its eight neighbours (frame_compare.h). Counted both ways, so that a line or point the
// browser lacks counts as much as one it adds. The checks and their limits are those of every
// engine (engine_checks.mjs).
import {momentsChecks} from './engine_checks.mjs';
import {newPage, runChecks} from './harness.mjs';

await runChecks(momentsChecks().map(([name, run]) => [name, (browser) => run({newPage: () => newPage(browser)})]));
