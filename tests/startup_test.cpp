#include <cmath>

#include <GL/glu.h>
#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "tests/support/quelmire_gl.h"

namespace {

// Taken during static initialisation, before any test can change the scene.
const float sunStepYBeforeMain = scene.sunStepY;
const bool quadricBeforeMain = quadric != nullptr;

TEST(StateBeforeMain, SunStepYIsTheNegatedXStepAndTheQuadricExists) {
    EXPECT_EQ(sunStepYBeforeMain, 1.0f);
    EXPECT_TRUE(quadricBeforeMain);
}

TEST(StateBeforeMain, MiddleDuckOffsetStartsAsNegativeZero) {
    const SceneState fresh;
    EXPECT_EQ(fresh.duckOffsets[1], 0.0f);
    EXPECT_TRUE(std::signbit(fresh.duckOffsets[1]));
}

// The projection matrix that gluPerspective(30, 1, 1, 2000) makes on a clean stack.
std::array<GLdouble, 16> expectedProjection() {
    std::array<GLdouble, 16> m{};
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPerspective(30.0, 1.0, 1.0, 2000.0);
    glGetDoublev(GL_PROJECTION_MATRIX, m.data());
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return m;
}

class Reshape : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(Reshape, ViewportFollowsTheWindowWhileTheAspectStaysOne) {
    setUpQuelmireGl();
    const auto [width, height] = GetParam();
    expectReshapeSets(reshape, width, height, expectedProjection().data());
}

INSTANTIATE_TEST_SUITE_P(SquareAndNonSquare, Reshape,
                         ::testing::Values(std::make_pair(700, 700), std::make_pair(800, 400),
                                           std::make_pair(1, 1)));

TEST(StartUpState, FogParametersAreSetButFogIsOff) {
    setUpQuelmireGl();
    GLfloat value = 0.0f;
    glGetFloatv(GL_FOG_START, &value);
    EXPECT_EQ(value, 0.0f);
    glGetFloatv(GL_FOG_END, &value);
    EXPECT_EQ(value, 850.0f);
    glGetFloatv(GL_FOG_DENSITY, &value);
    EXPECT_FLOAT_EQ(value, 0.002f);
    GLint mode = 0;
    glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(mode, GL_EXP);
    GLfloat colour[4];
    glGetFloatv(GL_FOG_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], 0.7f);
    EXPECT_FLOAT_EQ(colour[3], 0.0f);
}

TEST(StartUpState, LightZeroTakesTheSunColourAndPositionInEyeSpace) {
    setUpQuelmireGl();
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    GLfloat value[4];
    for (GLenum what : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR}) {
        glGetLightfv(GL_LIGHT0, what, value);
        EXPECT_FLOAT_EQ(value[0], 1.0f);
        EXPECT_FLOAT_EQ(value[1], 0.7f);
        EXPECT_FLOAT_EQ(value[2], 0.7f);
    }
    glGetLightfv(GL_LIGHT0, GL_POSITION, value);
    EXPECT_FLOAT_EQ(value[0], 800.0f);
    EXPECT_FLOAT_EQ(value[1], 0.0f);
    EXPECT_FLOAT_EQ(value[3], 1.0f);
}

TEST(RealProgram, OpensItsTitledWindowOf700By700At150And0) {
    TempDir dir;
    copyTextures(dir.path);
    Program quelmire(QUELMIRE_PATH, dir.path);
    const std::string window = quelmire.waitForWindow(kWindowTitle);
    ASSERT_FALSE(window.empty()) << quelmire.stderrText();
    const WindowGeometry g = windowGeometry(window);
    EXPECT_EQ(g.title, "Tesk Coursework 2006: Quelmire");
    EXPECT_EQ(g.width, 700);
    EXPECT_EQ(g.height, 700);
    EXPECT_EQ(g.x, 150);
    EXPECT_EQ(g.y, 0);
    EXPECT_TRUE(quelmire.running());
}

TEST(RealProgram, StartsAndDrawsWithNoTextureFilesAtAll) {
    TempDir dir;
    Program quelmire(QUELMIRE_PATH, dir.path);
    const std::string window = quelmire.waitForWindow(kWindowTitle);
    ASSERT_FALSE(window.empty()) << quelmire.stderrText();
    sleepSeconds(0.5);
    EXPECT_TRUE(quelmire.running());
    const Screenshot shot = grabWindow(window);
    ASSERT_EQ(shot.width, 700);
    // Something besides the clear colour is on screen: the land fills the lower half.
    EXPECT_LT(shareOfColour(shot, shot.at(5, 5), 2), 0.9);
    EXPECT_EQ(quelmire.stderrText(), "");
}

}  // namespace
