// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The window that the picture tools (meshshot, iconshot) draw in: double-buffered with depth,
// mapped, and set up for smooth shading under one light. Needs an X display.
#pragma once

#include <GL/freeglut.h>

inline void openPictureWindow(int& argc, char** argv, int size, const char* title) {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(size, size);
    glutInit(&argc, argv);
    glutCreateWindow(title);
    glutDisplayFunc([] {});  // the tools draw and read back outside the main loop
    // A few turns of the event loop map the window before anything is drawn into it.
    for (int i = 0; i < 5; ++i) {
        glutMainLoopEvent();
    }
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);
}
