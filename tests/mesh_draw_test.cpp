// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#define GL_GLEXT_PROTOTYPES  // query objects, for the count of primitives generated

#include <array>
#include <functional>

#include <GL/gl.h>
#include <GL/glext.h>
#include <gtest/gtest.h>

#include "anim/anim.h"
#include "render/render.h"
#include "tests/support/paths.h"
#include "tests/support/quelmire_gl.h"

using namespace assets;
using namespace quelmire;

namespace {

struct ClientArrays {
    std::array<GLboolean, 3> enabled{};
    std::array<void*, 3> pointers{};
    bool operator==(const ClientArrays& other) const {
        return enabled == other.enabled && pointers == other.pointers;
    }
};

ClientArrays clientArrays() {
    ClientArrays state;
    state.enabled = {glIsEnabled(GL_VERTEX_ARRAY), glIsEnabled(GL_NORMAL_ARRAY),
                     glIsEnabled(GL_TEXTURE_COORD_ARRAY)};
    glGetPointerv(GL_VERTEX_ARRAY_POINTER, &state.pointers[0]);
    glGetPointerv(GL_NORMAL_ARRAY_POINTER, &state.pointers[1]);
    glGetPointerv(GL_TEXTURE_COORD_ARRAY_POINTER, &state.pointers[2]);
    return state;
}

class MeshDrawing : public ::testing::Test {
  protected:
    void SetUp() override {
        setUpQuelmireGl();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glTranslatef(0.0f, 0.0f, -500.0f);
    }
};

struct ModeCounts {
    int renderPrimitive;
    GLuint land;
    GLuint duck;
};

TEST_F(MeshDrawing, EachRenderModeDrawsTheWholeIndexListInItsPrimitive) {
    // Filled: triangles, never polygons; lines: one strip through every index; points: one
    // per index, shared vertices drawn again.
    for (const ModeCounts& mode :
         {ModeCounts{kFilledPrimitive, 1358, 3864}, ModeCounts{kLinesPrimitive, 4073, 11591},
          ModeCounts{kPointsPrimitive, 4074, 11592}}) {
        scene.renderPrimitive = mode.renderPrimitive;
        EXPECT_EQ(primitivesGenerated([] { drawLand(); }), mode.land) << mode.renderPrimitive;
        EXPECT_EQ(primitivesGenerated([] { drawDuck(); }), mode.duck) << mode.renderPrimitive;
    }
}

TEST_F(MeshDrawing, ElementModeTurnsOnlyPolygonsIntoTriangles) {
    EXPECT_EQ(elementModeFor(GL_POLYGON), static_cast<GLenum>(GL_TRIANGLES));
    EXPECT_EQ(elementModeFor(GL_LINE_STRIP), static_cast<GLenum>(GL_LINE_STRIP));
    EXPECT_EQ(elementModeFor(GL_POINTS), static_cast<GLenum>(GL_POINTS));
    EXPECT_EQ(elementModeFor(GL_LINES), static_cast<GLenum>(GL_LINES));
}

TEST_F(MeshDrawing, LeavesClientArraysAndTheModelviewMatrixAsTheyWere) {
    // Some client state of the caller's own, which the draws must give back untouched.
    static const float callerVertices[3] = {1.0f, 2.0f, 3.0f};
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, callerVertices);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    const ClientArrays before = clientArrays();
    GLfloat matrixBefore[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrixBefore);
    GLint depthBefore = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);

    for (auto draw : {+[] { drawLand(); }, +[] { drawDuck(); }}) {
        draw();
        EXPECT_TRUE(clientArrays() == before);
        GLfloat matrixAfter[16];
        glGetFloatv(GL_MODELVIEW_MATRIX, matrixAfter);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(matrixAfter[i], matrixBefore[i]);
        }
        GLint depthAfter = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
        EXPECT_EQ(depthAfter, depthBefore);
    }
    glDisableClientState(GL_VERTEX_ARRAY);
}

TEST_F(MeshDrawing, TheDuckLeavesNormalizeOnWhateverItWasBefore) {
    glDisable(GL_NORMALIZE);
    drawDuck();
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    drawDuck();
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
}

// The ducks' model origins in the scene, with their walks at zero.
constexpr std::array<std::array<double, 3>, 3> kDuckOrigins = {
    {{-22.5, -1.0, 12.5}, {-22.38, -1.096, 12.86}, {-22.62, -1.096, 12.86}}};

// White light from overhead, placed through the frame's camera as the program does.
void showUnderTheFixedLight() {
    scene.sunLight = false;
    display();
    setFixedLight();
    display();
}

TEST(InitialView, TheLandIsGrassTexturedAndTheDucksFloatWhereTheFramePutsThem) {
    setUpQuelmireGl();
    const SceneImages images = createTexturesIn(dataDir());
    for (float& angle : scene.duckAngles) {
        angle = 0.0f;
    }
    for (float& offset : scene.duckOffsets) {
        offset = 0.0f;
    }
    // Close above the pond, looking down at the ducks.
    scene.camera.rotationX = 90.0f;
    scene.camera.rotationY = 0.0f;
    scene.camera.zoom = 500.0f - 3.0f;
    scene.camera.moveX = 22.5f;
    scene.camera.moveY = 12.7f;
    showUnderTheFixedLight();
    for (const auto& origin : kDuckOrigins) {
        const auto w = projectScenePoint(origin[0], origin[1] + 0.1, origin[2]);
        const Rgb duck = readFramePixel(int(w[0]), int(w[1]));
        // Orange-yellow: strong red, some green, next to no blue.
        EXPECT_GT(duck[0], 120) << origin[0] << ", " << origin[2];
        EXPECT_GT(duck[0], duck[2] + 80) << origin[0] << ", " << origin[2];
    }

    // The ground in front of the start-up camera is green with the grass texture, and plain
    // grey without it.
    const GLuint grass = scene.grassTexture;
    auto greenSamples = [](GLuint texture) {
        scene = SceneState{};
        scene.grassTexture = texture;
        showUnderTheFixedLight();
        int green = 0;
        for (int x = 20; x < 680; x += 30) {
            const Rgb p = readFramePixel(x, 40);
            green += p[1] > p[0] + 20 && p[1] > p[2] + 20 ? 1 : 0;
        }
        return green;
    };
    EXPECT_EQ(greenSamples(grass), 22);
    EXPECT_EQ(greenSamples(0), 0);
}

}  // namespace
