// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Mouse navigation: which drag a button event starts, and what turning, zooming and panning do
// to the camera, limits included.
#include <climits>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include "input/input.h"
#include "tests/support/capture.h"
#include "tests/support/expected.h"
#include "tests/support/observed.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

namespace {

// Every test starts from the initial scene in the real GL window (the sun toggle arms a GLUT
// timer, so GLUT must be up).
class Input : public ::testing::Test {
  protected:
    void SetUp() override { setUpQuelmireGl(); }
};

// ---- Which drag a button event starts ------------------------------------------------------

using DragKind = Input;

TEST_F(DragKind, ShiftAloneZoomsCtrlAlonePansAndAnythingElseTurns) {
    struct Case {
        int modifiers;
        bool rotating, zooming, moving;
    };
    const int shift = GLUT_ACTIVE_SHIFT, ctrl = GLUT_ACTIVE_CTRL, alt = GLUT_ACTIVE_ALT;
    const Case cases[] = {
        {0, true, false, false},          {shift, false, true, false},
        {ctrl, false, false, true},       {shift | ctrl, true, false, false},
        {alt, true, false, false},        {shift | alt, true, false, false},
        {ctrl | alt, true, false, false}, {shift | ctrl | alt, true, false, false},
    };
    for (const Case& c : cases) {
        scene = SceneState{};
        pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 40, 60, c.modifiers);
        EXPECT_EQ(scene.camera.rotating, c.rotating) << "modifiers " << c.modifiers;
        EXPECT_EQ(scene.camera.zooming, c.zooming) << "modifiers " << c.modifiers;
        EXPECT_EQ(scene.camera.moving, c.moving) << "modifiers " << c.modifiers;
        EXPECT_EQ(scene.camera.lastMouseX, 40.0f);
        EXPECT_EQ(scene.camera.lastMouseY, 60.0f);
    }
}

TEST_F(DragKind, EveryOtherButtonEventEndsTheDragAndMovesTheReferencePoint) {
    struct Event {
        int button, state;
    };
    // Left release, middle and right either way, and the wheel, which GLUT reports as buttons.
    const Event events[] = {{GLUT_LEFT_BUTTON, GLUT_UP},
                            {GLUT_MIDDLE_BUTTON, GLUT_DOWN},
                            {GLUT_MIDDLE_BUTTON, GLUT_UP},
                            {GLUT_RIGHT_BUTTON, GLUT_DOWN},
                            {GLUT_RIGHT_BUTTON, GLUT_UP},
                            {3, GLUT_DOWN},
                            {4, GLUT_UP}};
    for (int modifiers : {0, GLUT_ACTIVE_SHIFT, GLUT_ACTIVE_CTRL}) {
        for (const Event& e : events) {
            for (int start : {0, GLUT_ACTIVE_SHIFT, GLUT_ACTIVE_CTRL}) {
                scene = SceneState{};
                pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 1, 2, start);
                const Observed before = observe();
                pressButton(e.button, e.state, 300, 400, modifiers);
                Observed expected = before;
                expected.rotating = expected.zooming = expected.moving = false;
                expected.lastMouseX = 300.0f;
                expected.lastMouseY = 400.0f;
                EXPECT_EQ(observe(), expected)
                    << "button " << e.button << " state " << e.state << " modifiers " << modifiers
                    << " during the drag of modifiers " << start;
            }
        }
    }
}

TEST_F(DragKind, AMiddleButtonEventDuringAZoomEndsItSoLaterMotionDoesNothing) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100, GLUT_ACTIVE_SHIFT);
    motion(100, 300);
    ASSERT_EQ(scene.camera.zoom, 454.0f);
    pressButton(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 120, 500, GLUT_ACTIVE_SHIFT);
    const Observed after = observe();
    motion(100, 700);
    motion(500, 0);
    EXPECT_EQ(observe(), after);
}

// ---- Rotation ----------------------------------------------------------------------------

using Rotation = Input;

TEST_F(Rotation, FollowsThePointerOneDegreePerPixelAndMovesTheReferencePoint) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100, 0);
    motion(130, 90);
    EXPECT_EQ(scene.camera.rotationY, 80.0f);
    EXPECT_EQ(scene.camera.rotationX, -5.0f);
    EXPECT_EQ(scene.camera.lastMouseX, 130.0f);
    EXPECT_EQ(scene.camera.lastMouseY, 90.0f);
    // From the new reference point: a second event at the same place turns nothing.
    motion(130, 90);
    EXPECT_EQ(scene.camera.rotationY, 80.0f);
    EXPECT_EQ(scene.camera.rotationX, -5.0f);
    motion(129, 92);
    EXPECT_EQ(scene.camera.rotationY, 79.0f);
    EXPECT_EQ(scene.camera.rotationX, -3.0f);
    EXPECT_EQ(scene.camera.zoom, 450.0f);
    EXPECT_EQ(scene.camera.moveX, 0.0f);
    EXPECT_EQ(scene.camera.moveY, 0.0f);
}

TEST_F(Rotation, AnglesGrowPastWholeTurnsWithoutWrapping) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    for (int i = 1; i <= 4; ++i) {
        motion(300 * i, -200 * i);
    }
    EXPECT_EQ(scene.camera.rotationY, 1250.0f);
    EXPECT_EQ(scene.camera.rotationX, -795.0f);
}

TEST_F(Rotation, StopsAtTheLeftRelease) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    motion(10, 10);
    pressButton(GLUT_LEFT_BUTTON, GLUT_UP, 10, 10, 0);
    const Observed released = observe();
    motion(200, 300);
    EXPECT_EQ(observe(), released);
}

// ---- Zoom --------------------------------------------------------------------------------

using Zoom = Input;

TEST_F(Zoom, WholeFiftyPixelStepsTruncatedTowardZeroFromThePressPoint) {
    struct Case {
        int dy;
        float step;
    };
    const Case cases[] = {{0, 0},  {49, 0},   {-49, 0}, {50, 1},    {-50, -1},
                          {99, 1}, {-99, -1}, {100, 2}, {-150, -3}, {-151, -3}};
    for (const Case& c : cases) {
        scene = SceneState{};
        pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 300, GLUT_ACTIVE_SHIFT);
        motion(200 + 77, 300 + c.dy);  // sideways movement plays no part
        EXPECT_EQ(scene.camera.zoom, 450.0f + c.step)
            << "pointer " << c.dy << " px below the press";
        EXPECT_EQ(scene.camera.rotationX, 5.0f);
        EXPECT_EQ(scene.camera.rotationY, 50.0f);
        EXPECT_EQ(scene.camera.moveX, 0.0f);
        EXPECT_EQ(scene.camera.moveY, 0.0f);
    }
}

TEST_F(Zoom, WorksAsARateEveryEventAddsTheDistanceFromThePressPoint) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 200, 300, GLUT_ACTIVE_SHIFT);
    motion(200, 420);
    motion(200, 420);
    motion(201, 420);
    EXPECT_EQ(scene.camera.zoom, 456.0f);
    EXPECT_EQ(scene.camera.lastMouseX, 200.0f) << "zooming keeps the press point";
    EXPECT_EQ(scene.camera.lastMouseY, 300.0f);
    motion(200, 160);
    EXPECT_EQ(scene.camera.zoom, 454.0f);
}

TEST_F(Zoom, AStepThatWouldReachOrPassALimitIsDroppedWhole) {
    struct Case {
        float start;
        int dy;
        float expected;
    };
    const Case cases[] = {
        {998, 150, 998},    {998, 50, 999},    {999, 50, 999},    {998, 100, 998},
        {-498, -100, -498}, {-498, -50, -499}, {-499, -50, -499}, {-498, -150, -498},
    };
    for (const Case& c : cases) {
        scene = SceneState{};
        scene.camera.zoom = c.start;
        pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 500, GLUT_ACTIVE_SHIFT);
        motion(0, 500 + c.dy);
        EXPECT_EQ(scene.camera.zoom, c.expected)
            << "zoom " << c.start << " dragged " << c.dy << " px";
    }
}

// ---- Pan ---------------------------------------------------------------------------------

using Pan = Input;

TEST_F(Pan, FollowsThePointerOnScreenInWholeStepsOnEachAxis) {
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 300, 300, GLUT_ACTIVE_CTRL);
    motion(350, 300);  // right: the scene moves right
    EXPECT_EQ(scene.camera.moveX, 1.0f);
    EXPECT_EQ(scene.camera.moveY, 0.0f);
    motion(300, 399);  // down: the scene moves down
    EXPECT_EQ(scene.camera.moveX, 1.0f);
    EXPECT_EQ(scene.camera.moveY, -1.0f);
    motion(201, 249);  // -99 and -51 px: one step each way, truncated toward zero
    EXPECT_EQ(scene.camera.moveX, 0.0f);
    EXPECT_EQ(scene.camera.moveY, 0.0f);
    motion(349, 251);  // within 49 px on both axes
    EXPECT_EQ(scene.camera.moveX, 0.0f);
    EXPECT_EQ(scene.camera.moveY, 0.0f);
    EXPECT_EQ(scene.camera.lastMouseX, 300.0f) << "panning keeps the press point";
    EXPECT_EQ(scene.camera.lastMouseY, 300.0f);
    EXPECT_EQ(scene.camera.zoom, 450.0f);
    EXPECT_EQ(scene.camera.rotationX, 5.0f);
    EXPECT_EQ(scene.camera.rotationY, 50.0f);
}

TEST_F(Pan, EachAxisDropsAStepAtItsLimitWhileTheOtherStillMoves) {
    scene.camera.moveX = 824.0f;
    scene.camera.moveY = 0.0f;
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_CTRL);
    motion(50, 100);
    EXPECT_EQ(scene.camera.moveX, 824.0f) << "825 is outside the open range";
    EXPECT_EQ(scene.camera.moveY, -2.0f);

    scene.camera.moveX = 0.0f;
    scene.camera.moveY = -823.0f;
    motion(-100, 100);
    EXPECT_EQ(scene.camera.moveX, -2.0f);
    EXPECT_EQ(scene.camera.moveY, -823.0f) << "-825 is outside the open range";
    motion(-100, 50);
    EXPECT_EQ(scene.camera.moveY, -824.0f);

    scene.camera.moveX = -823.0f;
    scene.camera.moveY = 823.0f;
    motion(-150, -150);
    EXPECT_EQ(scene.camera.moveX, -823.0f);
    EXPECT_EQ(scene.camera.moveY, 823.0f);
    motion(-50, -50);
    EXPECT_EQ(scene.camera.moveX, -824.0f);
    EXPECT_EQ(scene.camera.moveY, 824.0f);
}

TEST_F(Pan, MotionWithoutADragChangesNothing) {
    const Observed idle = observe();
    motion(500, 600);
    motion(-500, -600);
    EXPECT_EQ(observe(), idle);
}

// ---- Callbacks post no redisplay ----------------------------------------------------------

int framesDrawn = 0;
void countFrame() {
    ++framesDrawn;
}

TEST_F(Input, NeitherMouseMotionKeysNorMenusPostARedisplay) {
    glutDisplayFunc(countFrame);
    pumpEvents();
    framesDrawn = 0;
    glutPostRedisplay();
    pumpEvents();
    ASSERT_EQ(framesDrawn, 1) << "a posted redisplay is seen by this probe";

    framesDrawn = 0;
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    motion(40, 40);
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_SHIFT);
    motion(40, 400);
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_CTRL);
    motion(400, 400);
    pressButton(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0, 0);
    for (unsigned char key : std::string("zZrRmMnNlLpPfF")) {
        keyboard(key, 0, 0);
    }
    resetMenu(kMenuResetZoom);
    renderModeMenu(kMenuLines);
    mainMenu(kMenuToggleFog);
    pumpEvents();
    EXPECT_EQ(framesDrawn, 0);
    glutDisplayFunc([] {});
}

}  // namespace
