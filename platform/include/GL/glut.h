// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The part of GLUT that the programs call, for a page in the browser: the window is a canvas
// and its title the page's, the callbacks come from the page's events and timers, the main loop
// is the browser's own, and the pop-up menus open over the canvas. Like GLUT's own header it
// brings in OpenGL and GLU.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>

// Display modes
#define GLUT_RGB 0
#define GLUT_RGBA 0
#define GLUT_SINGLE 0
#define GLUT_DOUBLE 2
#define GLUT_DEPTH 16

// Mouse buttons and their states
#define GLUT_LEFT_BUTTON 0
#define GLUT_MIDDLE_BUTTON 1
#define GLUT_RIGHT_BUTTON 2
#define GLUT_DOWN 0
#define GLUT_UP 1

// Modifier keys
#define GLUT_ACTIVE_SHIFT 1
#define GLUT_ACTIVE_CTRL 2
#define GLUT_ACTIVE_ALT 4

#ifdef __cplusplus
extern "C" {
#endif

void glutInit(int* argc, char** argv);
void glutInitDisplayMode(unsigned int mode);
void glutInitWindowSize(int width, int height);
void glutInitWindowPosition(int x, int y);
int glutCreateWindow(const char* title);
void glutDestroyWindow(int window);

void glutDisplayFunc(void (*callback)(void));
void glutReshapeFunc(void (*callback)(int width, int height));
void glutKeyboardFunc(void (*callback)(unsigned char key, int x, int y));
void glutMouseFunc(void (*callback)(int button, int state, int x, int y));
void glutMotionFunc(void (*callback)(int x, int y));
void glutIdleFunc(void (*callback)(void));
void glutTimerFunc(unsigned int milliseconds, void (*callback)(int value), int value);

void glutPostRedisplay(void);
void glutSwapBuffers(void);
// Hands control to the browser's event loop; it never returns.
void glutMainLoop(void);
// The modifiers held at the keyboard or mouse event being handled.
int glutGetModifiers(void);

int glutCreateMenu(void (*callback)(int value));
void glutAddMenuEntry(const char* label, int value);
void glutAddSubMenu(const char* label, int submenu);
void glutAttachMenu(int button);

#ifdef __cplusplus
}
#endif
