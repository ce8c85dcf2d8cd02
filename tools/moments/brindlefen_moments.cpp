// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "tools/docs_pictures/read_back.h"
#include "tools/moments/moments.h"
#include "viewer/viewer.h"

using namespace brindlefen;

namespace {

constexpr int kPressAt = kViewerWindowSize / 2;
constexpr int kDragX = 20;
constexpr int kDragY = 28;

std::vector<unsigned char> frame() {
    display();
    return readBackFrame(kViewerWindowSize, kViewerWindowSize).rgb;
}

}  // namespace

void drawBrindlefenMoments(const TakeFrame& take) {
    reshape(kViewerWindowSize, kViewerWindowSize);
    take("start", frame());
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, kPressAt, kPressAt);
    motion(kPressAt + kDragX, kPressAt + kDragY);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, kPressAt + kDragX, kPressAt + kDragY);
    mainMenu(kViewerToggleDuck);
    take("turned-duck", frame());
}
