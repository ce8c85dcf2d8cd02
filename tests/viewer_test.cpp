// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include <GL/glu.h>
#include <GL/glut.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "assets/assets.h"
#include "tests/support/gl_window.h"
#include "tests/support/capture.h"
#include "tests/support/expected.h"
#include "tests/support/program.h"
#include "viewer/viewer.h"

using namespace assets;
using namespace brindlefen;

namespace {

bool sameState(const ViewerState& a, const ViewerState& b) {
    return std::equal(a.lightPosition, a.lightPosition + 4, b.lightPosition) &&
           a.showLand == b.showLand && a.showDuck == b.showDuck &&
           a.grassTexture == b.grassTexture && a.windowId == b.windowId &&
           a.camera.rotating == b.camera.rotating && a.camera.lastMouseX == b.camera.lastMouseX &&
           a.camera.lastMouseY == b.camera.lastMouseY && a.camera.rotationX == b.camera.rotationX &&
           a.camera.rotationY == b.camera.rotationY && a.camera.zoom == b.camera.zoom;
}

// The whole frame last drawn, bottom row first.
struct Frame {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    Rgb at(int x, int y) const {
        const unsigned char* p = &rgb[(std::size_t(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
    bool lit(int x, int y) const { return at(x, y) != Rgb{0, 0, 0}; }
    long litCount() const {
        long n = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                n += lit(x, y) ? 1 : 0;
        return n;
    }
};

// Smallest rectangle holding every non-black pixel: x0, y0, x1, y1 inclusive.
struct Box {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
    bool empty() const { return x1 < 0; }
};

Box litBox(const Frame& f) {
    Box b;
    for (int y = 0; y < f.height; ++y) {
        for (int x = 0; x < f.width; ++x) {
            if (f.lit(x, y)) {
                b.x0 = std::min(b.x0, x);
                b.x1 = std::max(b.x1, x);
                b.y0 = std::min(b.y0, y);
                b.y1 = std::max(b.y1, y);
            }
        }
    }
    return b;
}

class Viewer : public ::testing::Test {
  protected:
    void SetUp() override { setUpViewerGl(kViewerWindowSize, kViewerWindowSize); }

    // The test window at the given size with Brindlefen's start-up GL state and fresh state.
    void setUpViewerGl(int width, int height) {
        ensureGlWindow(width, height);
        viewer = ViewerState{};
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_TEXTURE_2D);
        setGlState();
        reshape(width, height);
        width_ = width;
        height_ = height;
        // The first swap after a resize brings a new back buffer: the frame drawn before it is
        // lost to read-back.
        display();
    }

    Frame drawFrame() {
        display();
        glFinish();
        Frame f;
        f.width = width_;
        f.height = height_;
        f.rgb.resize(std::size_t(width_) * height_ * 3);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, f.rgb.data());
        return f;
    }

    // Window rectangle that the duck's vertices project to under the current matrices.
    Box projectedDuck() {
        GLdouble modelview[16], projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        Box b;
        for (int i = 0; i < duckVertexCount; ++i) {
            const double scale = 200.0;
            double x, y, z;
            gluProject(scale * duckVertices[3 * i], scale * duckVertices[3 * i + 1],
                       scale * duckVertices[3 * i + 2], modelview, projection, viewport, &x, &y,
                       &z);
            b.x0 = std::min(b.x0, int(x));
            b.x1 = std::max(b.x1, int(x));
            b.y0 = std::min(b.y0, int(y));
            b.y1 = std::max(b.y1, int(y));
        }
        return b;
    }

    int width_ = 0, height_ = 0;
};

// --- help and keys ---------------------------------------------------------------------------

TEST_F(Viewer, HelpWritesItsTwoLinesByteForByte) {
    EXPECT_EQ(capturedStdout([] { printHelp(); }), expected::kBrindlefenHelp);
}

TEST_F(Viewer, HAndUpperHPrintTheHelpEveryTimeAndTheMenuEntryToo) {
    const std::string out = capturedStdout([] {
        keyboard('h', 10, 20);
        keyboard('H', 10, 20);
        mainMenu(kViewerHelp);
    });
    EXPECT_EQ(out,
              expected::kBrindlefenHelp + expected::kBrindlefenHelp + expected::kBrindlefenHelp);
}

TEST_F(Viewer, KeysOtherThanTheSixListedPrintNothingAndChangeNothing) {
    viewer.camera.rotationX = 12.0f;
    viewer.camera.rotationY = -7.0f;
    const ViewerState before = viewer;
    const std::string out = capturedStdout([] {
        for (int key = 0; key < 256; ++key) {
            const std::string six = "hHxXqQ";
            if (six.find(char(key)) == std::string::npos) {
                keyboard(static_cast<unsigned char>(key), 5, 5);
            }
        }
    });
    EXPECT_EQ(out, "");
    EXPECT_TRUE(sameState(viewer, before));
}

// --- menu and toggles ------------------------------------------------------------------------

TEST_F(Viewer, ToggleLandFlipsBetweenExactlyOneAndZero) {
    EXPECT_EQ(viewer.showLand, 1.0f);
    toggleLand();
    EXPECT_EQ(viewer.showLand, 0.0f);
    toggleLand();
    EXPECT_EQ(viewer.showLand, 1.0f);
    EXPECT_EQ(viewer.showDuck, 0.0f) << "the other flag stays";
}

TEST_F(Viewer, ToggleDuckFlipsBetweenExactlyZeroAndOne) {
    EXPECT_EQ(viewer.showDuck, 0.0f);
    toggleDuck();
    EXPECT_EQ(viewer.showDuck, 1.0f);
    toggleDuck();
    EXPECT_EQ(viewer.showDuck, 0.0f);
    EXPECT_EQ(viewer.showLand, 1.0f) << "the other flag stays";
}

TEST_F(Viewer, AToggleTurnsAnyNonZeroFlagIntoZeroNotItsComplement) {
    viewer.showLand = 0.5f;
    toggleLand();
    EXPECT_EQ(viewer.showLand, 0.0f);
}

TEST_F(Viewer, MenuValuesOneAndTwoToggleLandAndDuckAndOthersDoNothing) {
    mainMenu(kViewerToggleLand);
    EXPECT_EQ(viewer.showLand, 0.0f);
    mainMenu(kViewerToggleDuck);
    EXPECT_EQ(viewer.showDuck, 1.0f);
    const ViewerState before = viewer;
    const std::string out = capturedStdout([] {
        for (int value : {0, 5, -1, 100}) {
            mainMenu(value);
        }
    });
    EXPECT_EQ(out, "");
    EXPECT_TRUE(sameState(viewer, before));
}

// --- mouse -----------------------------------------------------------------------------------

TEST_F(Viewer, ALeftDragOfTenPixelsRightAddsTenDegreesAboutY) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 150);
    EXPECT_TRUE(viewer.camera.rotating);
    motion(110, 150);
    EXPECT_EQ(viewer.camera.rotationY, 10.0f);
    EXPECT_EQ(viewer.camera.rotationX, 0.0f);
}

TEST_F(Viewer, ADragDownwardsAddsToXAndEachStepCountsFromTheLastOne) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 150);
    motion(100, 155);
    motion(103, 160);
    motion(98, 140);
    // Net movement, not the sum of distances from the press point.
    EXPECT_EQ(viewer.camera.rotationX, -10.0f);
    EXPECT_EQ(viewer.camera.rotationY, -2.0f);
    EXPECT_EQ(viewer.camera.lastMouseX, 98.0f);
    EXPECT_EQ(viewer.camera.lastMouseY, 140.0f);
}

TEST_F(Viewer, AnglesAreNeitherWrappedNorClamped) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    motion(399, 399);
    motion(0, 0);
    motion(399, 399);
    EXPECT_EQ(viewer.camera.rotationY, 399.0f);
    EXPECT_EQ(viewer.camera.rotationX, 399.0f);
}

TEST_F(Viewer, ReleasingTheLeftButtonStopsTheTurn) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100);
    motion(120, 100);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, 120, 100);
    EXPECT_FALSE(viewer.camera.rotating);
    motion(200, 300);
    EXPECT_EQ(viewer.camera.rotationY, 20.0f);
    EXPECT_EQ(viewer.camera.rotationX, 0.0f);
}

TEST_F(Viewer, AMiddleButtonDragTurnsNothingAndOnlyMovesTheLastPoint) {
    mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 30, 40);
    EXPECT_FALSE(viewer.camera.rotating);
    EXPECT_EQ(viewer.camera.lastMouseX, 30.0f);
    EXPECT_EQ(viewer.camera.lastMouseY, 40.0f);
    motion(80, 90);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 80, 90);
    EXPECT_EQ(viewer.camera.rotationX, 0.0f);
    EXPECT_EQ(viewer.camera.rotationY, 0.0f);
    EXPECT_EQ(viewer.camera.lastMouseX, 80.0f);
    EXPECT_EQ(viewer.camera.lastMouseY, 90.0f);
}

TEST_F(Viewer, AMiddleButtonDuringALeftDragKeepsTheTurnGoingFromItsPoint) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 150, 100);
    EXPECT_TRUE(viewer.camera.rotating);
    motion(155, 100);
    EXPECT_EQ(viewer.camera.rotationY, 5.0f);
    mouse(GLUT_MIDDLE_BUTTON, GLUT_UP, 155, 100);
    EXPECT_TRUE(viewer.camera.rotating);
}

// --- projection and GL state -----------------------------------------------------------------

TEST_F(Viewer, ReshapeSetsTheViewportAndTheSameProjectionWhateverTheShape) {
    // 30 degrees, aspect 1, near the single-precision 0.01 widened, far a million.
    const Matrix expected = perspectiveMatrix(30.0, 1.0, 0.009999999776482582, 1e6);
    for (auto [width, height] : {std::pair{400, 400}, std::pair{800, 400}, std::pair{1, 1}}) {
        expectReshapeSets(reshape, width, height, expected);
    }
}

TEST_F(Viewer, FrameLeavesTheEyeFiveHundredBackTurnedAboutXThenY) {
    viewer.camera.rotationX = 25.0f;
    viewer.camera.rotationY = -60.0f;
    display();
    expectMatrix(GL_MODELVIEW_MATRIX, translateThenTurn({0.0, 0.0, -500.0}, 25.0, -60.0));
}

TEST_F(Viewer, OneWhiteLightAboveTheEyeStaysPutWhenTheSceneTurns) {
    viewer.camera.rotationX = 40.0f;
    viewer.camera.rotationY = 70.0f;
    display();
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLfloat value[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, value);  // eye coordinates
    EXPECT_EQ((std::array<float, 4>{value[0], value[1], value[2], value[3]}),
              (std::array<float, 4>{0.0f, 1000.0f, 0.0f, 1.0f}));
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, value);
    EXPECT_EQ(value[0], 1.0f);
    EXPECT_EQ(value[2], 1.0f);
    glGetLightfv(GL_LIGHT0, GL_AMBIENT, value);
    EXPECT_EQ(value[0], 0.0f);
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_EQ((std::array<float, 4>{clear[0], clear[1], clear[2], clear[3]}),
              (std::array<float, 4>{0.0f, 0.0f, 0.0f, 1.0f}));
}

// --- frames ----------------------------------------------------------------------------------

TEST_F(Viewer, AtStartTheLandAloneShowsGreyOnBlackAcrossTheMiddle) {
    const Frame f = drawFrame();
    EXPECT_GT(f.litCount(), 2000) << "the land is drawn";
    const Box box = litBox(f);
    EXPECT_EQ(box.x0, 0) << "the land runs past the left edge";
    EXPECT_EQ(box.x1, 399) << "and past the right edge";
    // Seen from 500 back at ground level: a band about the horizon, black sky above it.
    EXPECT_GT(box.y1, 200);
    EXPECT_LT(box.y1, 300);
    for (int y = 0; y < f.height; ++y) {
        for (int x = 0; x < f.width; ++x) {
            const Rgb c = f.at(x, y);
            // Untextured, default material, white light: every shade is a grey.
            ASSERT_LE(std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]}), 2)
                << "at " << x << ", " << y;
        }
    }
}

TEST_F(Viewer, TheDuckAloneStandsAtTheOriginTwoHundredTimesItsMeshSize) {
    viewer.showLand = 0.0f;
    viewer.showDuck = 1.0f;
    const Frame f = drawFrame();
    const Box drawn = litBox(f);
    const Box expected = projectedDuck();
    ASSERT_FALSE(drawn.empty());
    // Thin tips of the mesh may miss the last pixel centre.
    EXPECT_NEAR(drawn.x0, expected.x0, 2);
    EXPECT_NEAR(drawn.x1, expected.x1, 2);
    EXPECT_NEAR(drawn.y0, expected.y0, 2);
    EXPECT_NEAR(drawn.y1, expected.y1, 2);
    EXPECT_TRUE(drawn.x0 < 200 && drawn.x1 > 200 && drawn.y0 < 200 && drawn.y1 > 200)
        << "the origin lies in the middle of the window";
}

TEST_F(Viewer, ToggleDuckOnceAddsTheDuckToTheLandAndASecondTimeRestoresTheFrame) {
    const Frame landAlone = drawFrame();
    toggleDuck();
    const Frame both = drawFrame();
    const Box duck = projectedDuck();
    long changed = 0, changedOutsideDuck = 0;
    for (int y = 0; y < both.height; ++y) {
        for (int x = 0; x < both.width; ++x) {
            if (both.at(x, y) != landAlone.at(x, y)) {
                ++changed;
                const bool inside =
                    x >= duck.x0 - 1 && x <= duck.x1 + 1 && y >= duck.y0 - 1 && y <= duck.y1 + 1;
                changedOutsideDuck += inside ? 0 : 1;
            }
        }
    }
    EXPECT_GT(changed, 20) << "the duck shows in front of the land";
    EXPECT_EQ(changedOutsideDuck, 0) << "and nowhere else";
    toggleDuck();
    EXPECT_EQ(drawFrame().rgb, landAlone.rgb);
}

TEST_F(Viewer, WithLandAndDuckHiddenTheFrameIsPlainBlack) {
    toggleLand();
    const Frame f = drawFrame();
    EXPECT_EQ(f.litCount(), 0);
    toggleDuck();
    toggleDuck();
    EXPECT_EQ(drawFrame().litCount(), 0);
}

TEST_F(Viewer, AWindowTwiceAsWideStretchesThePictureToFillIt) {
    viewer.showLand = 0.0f;
    viewer.showDuck = 1.0f;
    const Box square = litBox(drawFrame());
    ASSERT_FALSE(square.empty());

    setUpViewerGl(800, 400);
    viewer.showLand = 0.0f;
    viewer.showDuck = 1.0f;
    const Box wide = litBox(drawFrame());
    ASSERT_FALSE(wide.empty());
    // The aspect stays 1: x doubles about the middle, y keeps its rows.
    EXPECT_NEAR(wide.x0, 2 * square.x0, 2);
    EXPECT_NEAR(wide.x1, 2 * square.x1 + 1, 2);
    EXPECT_NEAR(wide.y0, square.y0, 1);
    EXPECT_NEAR(wide.y1, square.y1, 1);

    viewer.showLand = 1.0f;
    viewer.showDuck = 0.0f;
    const Box land = litBox(drawFrame());
    EXPECT_EQ(land.x0, 0);
    EXPECT_EQ(land.x1, 799) << "the picture fills the whole width";
}

}  // namespace
