// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What Brindlefen's room offers: its state, its GLUT callbacks and the plain functions behind
// them. It shares only the images, textures and meshes of assets/ with Quelmire. Its names live
// in namespace brindlefen, apart from Quelmire's namesakes (display, mouse, mainMenu, ...).
#pragma once

#include <memory>

#include "shell/shell.h"

#include <GL/gl.h>

class kelImage;

namespace brindlefen {

inline constexpr int kViewerWindowSize = 400;
inline constexpr const char* kViewerTitle = "Tesk Coursework 2006";

// Not Quelmire's SceneState: the fields the two have in common start at other values here (no
// turn, no zoom), and this program has no pan, render modes, sun or ducks.
struct ViewerState {
    float lightPosition[4] = {0.0f, 1000.0f, 0.0f, 1.0f};
    // Flags that hold exactly 1 or 0.
    float showLand = 1.0f;
    float showDuck = 0.0f;
    GLuint grassTexture = 0;
    int windowId = 0;
    bool rotating = false;
    float lastMouseX = 0.0f;
    float lastMouseY = 0.0f;
    float rotationX = 0.0f;
    float rotationY = 0.0f;
    float zoom = 0.0f;  // never changed: the eye stays 500 units back
};

inline ViewerState viewer;

void display();
void reshape(int width, int height);
void idle();
void keyboard(unsigned char key, int x, int y);
void mouse(int button, int state, int x, int y);
void motion(int x, int y);
void mainMenu(int value);
void toggleLand();
void toggleDuck();
void printHelp();

// The state changes behind mouse and motion, without the redisplay.
void recordButton(int button, int state, int x, int y);
void dragTo(int x, int y);

// main's start-up up to its main loop: the window (its id in viewer.windowId), then the steps
// below. The grass texture's image lives as long as the result.
std::unique_ptr<kelImage> startViewer(int& argc, char** argv);
// Start-up steps after the window exists, in the order startViewer runs them.
void registerViewerCallbacks();
void buildViewerMenu();
// The clear colour, the fixed GL state of both programs, then setUpViewerLight.
void setViewerGlState();
// Light 0: its place, then switched on.
void setUpViewerLight();

enum ViewerMenuValue {
    kViewerToggleLand = 1,
    kViewerToggleDuck = 2,
    kViewerHelp = 3,
    kViewerQuit = 4
};

// The one flat pop-up menu, top to bottom.
inline constexpr shell::MenuEntry kViewerMenuEntries[] = {
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
