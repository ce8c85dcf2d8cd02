// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <algorithm>
#include <cmath>

#include <GL/glut.h>
#include <gtest/gtest.h>

#include "render/render.h"
#include "tests/support/quelmire_gl.h"

using namespace assets;
using namespace quelmire;

namespace {

class Frame : public ::testing::Test {
  protected:
    void SetUp() override { setUpQuelmireGl(); }

    // Draws one frame and returns the pixel where a scene point landed.
    Rgb pixelAt(double x, double y, double z) {
        const auto w = projectScenePoint(x, y, z);
        return readFramePixel(static_cast<int>(w[0]), static_cast<int>(w[1]));
    }

    // Looking straight up from (x, height, z).
    void lookUpFrom(float x, float height, float z) {
        scene.camera.rotationX = -90.0f;
        scene.camera.rotationY = 0.0f;
        // rotX(-90) takes scene y to eye -z: the eye then sits at `height` above the origin.
        scene.camera.zoom = 500.0f + height;
        scene.camera.moveX = -x;
        scene.camera.moveY = z;  // rotX(-90) takes scene z to eye y
    }
};

TEST_F(Frame, ClearsToTheSkyColourInSunMode) {
    scene.skyColour[0] = 0.2f;
    scene.skyColour[1] = 0.4f;
    scene.skyColour[2] = 0.6f;
    display();
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    EXPECT_FLOAT_EQ(clear[0], 0.2f);
    EXPECT_FLOAT_EQ(clear[1], 0.4f);
    EXPECT_FLOAT_EQ(clear[2], 0.6f);
    EXPECT_TRUE(near(readFramePixel(2, 697), {51, 102, 153}, 2));
}

TEST_F(Frame, ClearsToVioletBlueWithTheFixedLightWhateverTheSky) {
    scene.sunLight = false;
    scene.skyColour[0] = 0.9f;
    display();
    EXPECT_TRUE(near(readFramePixel(2, 697), {77, 38, 255}, 2));
}

TEST_F(Frame, DrawsTheSunAtItsPositionInSunModeAndOverheadWithTheFixedLight) {
    lookUpFrom(0.0f, 100.0f, 0.0f);
    scene.skyColour[2] = 1.0f;  // a blue sky: the sun is red and orange
    scene.sunPosition[0] = 150.0f;
    scene.sunPosition[1] = 700.0f;
    scene.sunPosition[2] = 400.0f;  // ignored: the sun stays in the z = 0 plane
    display();
    const Rgb sun = pixelAt(150.0, 700.0, 0.0);
    EXPECT_GT(sun[0], 150);
    EXPECT_LT(sun[2], 40);
    EXPECT_TRUE(near(pixelAt(0.0, 800.0, 0.0), {0, 0, 255}, 2));

    scene.sunLight = false;
    display();
    const Rgb overhead = pixelAt(0.0, 800.0, 0.0);
    EXPECT_GT(overhead[0], 150);
    EXPECT_LT(overhead[2], 40);
    EXPECT_TRUE(near(pixelAt(150.0, 700.0, 0.0), {77, 38, 255}, 2));
}

TEST_F(Frame, BlendsTheWaterHalfAndHalfOverWhatLiesBeneath) {
    // From just under the surface, in the deepest part of the pond, the sky lies beyond the
    // water: the pixel moves by half of any change of the sky colour.
    int deepest = 0;
    for (int i = 1; i < landVertexCount; ++i) {
        if (landVertices[3 * i + 1] < landVertices[3 * deepest + 1]) {
            deepest = i;
        }
    }
    lookUpFrom(landVertices[3 * deepest], -3.0f, landVertices[3 * deepest + 2]);
    scene.skyColour[0] = 1.0f;
    display();
    const Rgb overRed = readFramePixel(350, 350);
    scene.skyColour[0] = 0.0f;
    scene.skyColour[1] = 1.0f;
    display();
    const Rgb overGreen = readFramePixel(350, 350);
    EXPECT_NEAR(overRed[0] - overGreen[0], 128, 4);
    EXPECT_NEAR(overGreen[1] - overRed[1], 128, 4);
    EXPECT_NEAR(overRed[2], overGreen[2], 2);
}

TEST_F(Frame, LeavesStacksBalancedTheDefaultMaterialAndBlendingOff) {
    GLint before[4];
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &before[0]);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &before[1]);
    glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &before[2]);
    glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &before[3]);
    for (auto mode : {kFilledPrimitive, kLinesPrimitive, kPointsPrimitive}) {
        scene.renderPrimitive = mode;
        display();
        GLint after[4];
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &after[0]);
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &after[1]);
        glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &after[2]);
        glGetIntegerv(GL_CLIENT_ATTRIB_STACK_DEPTH, &after[3]);
        EXPECT_TRUE(std::equal(before, before + 4, after)) << "render primitive " << mode;
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    for (GLenum face : {GL_FRONT, GL_BACK}) {
        EXPECT_EQ(materialOf(face, GL_AMBIENT), (std::array<float, 4>{0.2f, 0.2f, 0.2f, 1.0f}));
        EXPECT_EQ(materialOf(face, GL_DIFFUSE), (std::array<float, 4>{0.8f, 0.8f, 0.8f, 1.0f}));
        EXPECT_EQ(materialOf(face, GL_SPECULAR), (std::array<float, 4>{0.0f, 0.0f, 0.0f, 1.0f}));
        GLfloat shininess = -1.0f;
        glGetMaterialfv(face, GL_SHININESS, &shininess);
        EXPECT_EQ(shininess, 0.0f);
    }
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
}

TEST_F(Frame, LeavesTheCameraOnTheModelviewMatrix) {
    display();
    // The initial view: an eye shift of (0, 0, -50) after turns of 50 degrees about the vertical
    // and 5 about the horizontal.
    expectMatrix(GL_MODELVIEW_MATRIX, translateThenTurn({0.0, 0.0, -50.0}, 5.0, 50.0));
    scene.camera.moveX = 12.0f;
    scene.camera.moveY = -3.0f;
    scene.camera.zoom = 300.0f;
    scene.camera.rotationX = 20.0f;
    scene.camera.rotationY = -70.0f;
    display();
    expectMatrix(GL_MODELVIEW_MATRIX, translateThenTurn({12.0, -3.0, -200.0}, 20.0, -70.0));
}

TEST_F(Frame, FogReachesTheWaterOneFrameBeforeTheRestOfTheScene) {
    // Far enough back that fog shows on the land and on the pond.
    scene.camera.zoom = -200.0f;
    scene.camera.rotationX = 35.0f;
    scene.camera.rotationY = 0.0f;
    scene.skyColour[2] = 1.0f;
    display();
    const auto land = projectScenePoint(100.0, 0.0, 100.0);
    const auto water = projectScenePoint(-60.0, -1.5, 20.0);
    auto landPixel = [&] { return readFramePixel(int(land[0]), int(land[1])); };
    auto waterPixel = [&] { return readFramePixel(int(water[0]), int(water[1])); };
    const Rgb landClear = landPixel();
    const Rgb waterClear = waterPixel();

    scene.fogOn = true;
    display();
    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_TRUE(near(landPixel(), landClear, 1)) << "the land sees the switch a frame later";
    EXPECT_FALSE(near(waterPixel(), waterClear, 8)) << "the water sees it at once";

    display();
    EXPECT_FALSE(near(landPixel(), landClear, 8));

    // Two frames: the pond floor shows through the water and clears a frame after it.
    scene.fogOn = false;
    display();
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    display();
    EXPECT_TRUE(near(waterPixel(), waterClear, 1));
    EXPECT_TRUE(near(landPixel(), landClear, 1));
}

}  // namespace
