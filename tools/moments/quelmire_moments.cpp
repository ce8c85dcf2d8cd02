// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "anim/anim.h"
#include "input/input.h"
#include "tools/docs_pictures/quelmire_frames.h"
#include "tools/moments/moments.h"

using namespace quelmire;

namespace {

constexpr int kDawnTick = 160;
constexpr int kNoonTick = 800;

// A turn of 10 degrees about the vertical and 3 back about the horizontal, then 8 units nearer
// in one zoom step of 400 pixels: the ducks in the middle of the pond, the grove behind them.
constexpr int kTurnX = 10;
constexpr int kTurnY = -3;
constexpr int kZoomDrag = 400;

void turnAndZoom() {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    motion(kTurnX, kTurnY);
    pressButton(GLUT_LEFT_BUTTON, GLUT_UP, kTurnX, kTurnY, 0);
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_SHIFT);
    motion(0, kZoomDrag);
    pressButton(GLUT_LEFT_BUTTON, GLUT_UP, 0, kZoomDrag, GLUT_ACTIVE_SHIFT);
}

void press(const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) {
        applyKey(static_cast<unsigned char>(*key));
    }
}

}  // namespace

void drawQuelmireMoments(int size, const TakeFrame& take) {
    auto shoot = [&](const char* name) { take(name, drawFrame(size)); };
    tickSun(kDawnTick);
    shoot("dawn");
    tickSun(kNoonTick - kDawnTick);
    shoot("noon");
    press("f");
    shoot("noon-fog");
    press("fl");
    shoot("noon-lines");
    press("p");
    shoot("noon-points");
    press("n");
    turnAndZoom();
    shoot("turned-noon");
    press("f");
    shoot("turned-noon-fog");
    press("fl");
    shoot("turned-noon-lines");
    press("p");
    shoot("turned-noon-points");
    // The fixed light comes with the next sun tick.
    press("ns");
    tickSun(1);
    shoot("turned-fixed");
    press("f");
    shoot("turned-fixed-fog");
    press("rz");
    shoot("fixed-fog");
    press("f");
    shoot("fixed");
}
