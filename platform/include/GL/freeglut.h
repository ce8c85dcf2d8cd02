// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// GLUT with the one extension the picture tools call, for drawing outside the main loop.
#pragma once

#include <GL/glut.h>

#ifdef __cplusplus
extern "C" {
#endif

// Handles what events are pending and returns; the tools call it to let a window appear.
void glutMainLoopEvent(void);

#ifdef __cplusplus
}
#endif
