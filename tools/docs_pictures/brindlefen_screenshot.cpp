// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tools/docs_pictures/brindlefen_screenshot.h"

#include <GL/freeglut.h>

#include "assets/assets.h"
#include "viewer/viewer.h"

using namespace brindlefen;

namespace {

// Pressed in the middle and dragged down: the land turns about the horizontal, one degree a
// pixel, and is seen from above.
constexpr int kPressAt = kViewerWindowSize / 2;
constexpr int kDragPixels = 28;

void dragDown(int pixels) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, kPressAt, kPressAt);
    motion(kPressAt, kPressAt + pixels);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, kPressAt, kPressAt + pixels);
}

}  // namespace

RgbImage drawBrindlefenScreenshot(int& argc, char** argv) {
    const auto grass = start(argc, argv);
    // A few turns of the event loop map the window; what they draw is drawn again below.
    for (int i = 0; i < 5; ++i) {
        glutMainLoopEvent();
    }
    // The window's first reshape, in case the loop has not delivered it yet.
    reshape(kViewerWindowSize, kViewerWindowSize);
    dragDown(kDragPixels);
    mainMenu(kViewerToggleDuck);
    display();
    return readBackFrame(kViewerWindowSize, kViewerWindowSize);
}
