// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Brindlefen's whole program but its main: its state, its start-up, its GLUT callbacks and the
// plain functions behind them, with the constants of viewer/facts.h (window, help lines, menu).
// It shares only assets/ (images, textures, meshes) and common/ with Quelmire. Its names live in
// namespace brindlefen, apart from Quelmire's namesakes (start, display, mouse, mainMenu, ...).
#pragma once

#include <memory>

#include <GL/gl.h>

#include "common/common.h"
#include "viewer/facts.h"

namespace assets {
class kelImage;
}  // namespace assets

namespace brindlefen {

// Not Quelmire's SceneState: this program has no render modes, sun or ducks, and its camera
// starts elsewhere.
struct ViewerState {
    float lightPosition[4] = {0.0f, 1000.0f, 0.0f, 1.0f};
    // Flags that hold exactly 1 or 0.
    float showLand = 1.0f;
    float showDuck = 0.0f;
    GLuint grassTexture = 0;
    int windowId = 0;
    // No turn to start with; zoom is never changed, so the eye stays 500 units back.
    common::Camera camera{/*rotationX=*/0.0f, /*rotationY=*/0.0f, /*zoom=*/0.0f};
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

// main's start-up up to its main loop, shaped as Quelmire's: the window (its id in
// viewer.windowId), then the steps below in their order. The grass texture's image lives as
// long as the result. The tools that draw Brindlefen's pictures start it the same way.
std::unique_ptr<assets::kelImage> start(int& argc, char** argv);
// Start-up steps after the window exists, in the order start runs them.
void registerCallbacks();
void buildMenu();
// Made but left unused: the land is drawn untextured here. Texturing is off again afterwards.
std::unique_ptr<assets::kelImage> createTexture();
// The clear colour, the fixed GL state of both programs, then setUpLight.
void setGlState();
// Light 0: its place, then switched on.
void setUpLight();

}  // namespace brindlefen
