// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The pieces of a frame that a user sees move or shine: the ducks following their walks, the
// water in each render mode, and the materials that the ducks, the sun and the water are drawn
// with, on front and back faces alike. This program is linked with the draw calls wrapped, so
// that the material can be read back at the moment of each draw.
#include <array>
#include <cmath>
#include <vector>

#include <GL/glu.h>
#include <gtest/gtest.h>

#include "render/render.h"
#include "tests/support/feedback.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

namespace {

using Colour = std::array<float, 4>;

// The material of one face at the moment of a draw.
struct Material {
    Colour ambient, diffuse, specular;
    float shininess;
};
struct Draw {
    Material front, back;
};

bool recording = false;
std::vector<Draw> duckDraws, sunDraws, waterDraws;

Material materialNow(GLenum face) {
    Material m{};
    glGetMaterialfv(face, GL_AMBIENT, m.ambient.data());
    glGetMaterialfv(face, GL_DIFFUSE, m.diffuse.data());
    glGetMaterialfv(face, GL_SPECULAR, m.specular.data());
    glGetMaterialfv(face, GL_SHININESS, &m.shininess);
    return m;
}

void record(std::vector<Draw>& draws) {
    if (recording) {
        draws.push_back({materialNow(GL_FRONT), materialNow(GL_BACK)});
    }
}

}  // namespace

extern "C" {
void __real_glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices);
void __wrap_glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    if (count == assets::duckIndexCount) {
        record(duckDraws);
    }
    __real_glDrawElements(mode, count, type, indices);
}

void __real_gluSphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks);
void __wrap_gluSphere(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks) {
    if (radius == 5.0) {  // the sun; the tree crowns are smaller
        record(sunDraws);
    }
    __real_gluSphere(quadric, radius, slices, stacks);
}

void __real_glBegin(GLenum mode);
void __wrap_glBegin(GLenum mode) {
    if (glIsEnabled(GL_BLEND)) {  // only the water is blended
        record(waterDraws);
    }
    __real_glBegin(mode);
}
}  // extern "C"

namespace {

void expectMaterial(const Material& m, const Colour& ambient, const Colour& diffuse,
                    const Colour& specular, float shininess) {
    EXPECT_EQ(m.ambient, ambient);
    EXPECT_EQ(m.diffuse, diffuse);
    EXPECT_EQ(m.specular, specular);
    EXPECT_EQ(m.shininess, shininess);
}

class FrameDraws : public ::testing::Test {
  protected:
    void SetUp() override {
        setUpQuelmireGl();
        duckDraws.clear();
        sunDraws.clear();
        waterDraws.clear();
    }
    void TearDown() override { recording = false; }
};

TEST_F(FrameDraws, DucksSunAndWaterAreDrawnWithTheirMaterialsOnFrontAndBackFaces) {
    recording = true;
    display();
    recording = false;
    ASSERT_EQ(duckDraws.size(), 3u);
    ASSERT_EQ(sunDraws.size(), 1u);
    ASSERT_EQ(waterDraws.size(), 1u);
    for (const Draw& d : duckDraws) {
        for (const Material& m : {d.front, d.back}) {
            expectMaterial(m, {0.3f, 0.2f, 0.0f, 1.0f}, {0.9f, 0.5f, 0.0f, 1.0f},
                           {0.8f, 0.6f, 0.0f, 1.0f}, 25.0f);
        }
    }
    const Colour sun{0.9f, 0.5f, 0.0f, 0.0f};
    for (const Material& m : {sunDraws[0].front, sunDraws[0].back}) {
        expectMaterial(m, sun, sun, sun, 20.0f);
    }
    for (const Material& m : {waterDraws[0].front, waterDraws[0].back}) {
        expectMaterial(m, {0.1f, 0.2f, 0.7f, 0.5f}, {0.1f, 0.1f, 0.8f, 0.5f},
                       {0.2f, 0.2f, 0.9f, 0.5f}, 100.0f);
    }
}

// ---- The water in each render mode, where the driver puts its corners ------------------

const std::array<Vec3, 4> kWaterCorners{
    {{0, -1, -40}, {0, -2, 80}, {-120, -1, 80}, {-120, -2, -40}}};

int waterCornerOf(const FeedbackVertex& v) {
    for (int i = 0; i < 4; ++i) {
        if (distance(v.position, kWaterCorners[i]) < 1e-3) {
            return i;
        }
    }
    return -1;
}

std::vector<FeedbackPrimitive> waterIn(int primitive) {
    scene.renderPrimitive = primitive;
    glLoadIdentity();
    return capture(drawWater);
}

TEST_F(FrameDraws, WaterInLinesModeIsAnOpenStripOfThreeSegmentsThroughTheCornersInOrder) {
    const auto lines = waterIn(kLinesPrimitive);
    ASSERT_EQ(lines.size(), 3u) << "no edge from the fourth corner back to the first";
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(lines[i].vertices.size(), 2u);
        EXPECT_EQ(waterCornerOf(lines[i].vertices[0]), i) << "segment " << i + 1;
        EXPECT_EQ(waterCornerOf(lines[i].vertices[1]), i + 1) << "segment " << i + 1;
    }
}

TEST_F(FrameDraws, WaterInPointsModeIsItsFourCorners) {
    const auto points = waterIn(kPointsPrimitive);
    ASSERT_EQ(points.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(points[i].token, static_cast<GLenum>(GL_POINT_TOKEN));
        EXPECT_EQ(waterCornerOf(points[i].vertices[0]), i);
    }
}

TEST_F(FrameDraws, WaterFilledCoversTheQuadThroughAllFourCorners) {
    int corners[4] = {};
    for (const auto& p : waterIn(kFilledPrimitive)) {
        EXPECT_EQ(p.token, static_cast<GLenum>(GL_POLYGON_TOKEN));
        for (const auto& v : p.vertices) {
            const int corner = waterCornerOf(v);
            ASSERT_GE(corner, 0);
            ++corners[corner];
        }
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_GT(corners[i], 0) << "corner " << i + 1;
    }
}

// ---- The ducks follow their walks on the screen -----------------------------------------

// Share of pixels whose colour moved by more than a rounding step between two frames.
double changedShare(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    long changed = 0;
    for (std::size_t i = 0; i + 2 < a.size(); i += 3) {
        for (int k = 0; k < 3; ++k) {
            if (std::abs(int(a[i + k]) - int(b[i + k])) > 4) {
                ++changed;
                break;
            }
        }
    }
    return double(changed) / double(a.size() / 3);
}

std::vector<unsigned char> frame() {
    display();
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    std::vector<unsigned char> rgb(kWindowWidth * kWindowHeight * 3);
    glReadPixels(0, 0, kWindowWidth, kWindowHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

// Three units from the duck group's origin, looking down on it at 30 degrees.
void lookAtTheDucks() {
    const double a = 30.0 * M_PI / 180.0;
    const double x = -22.5, y = -1.0, z = 12.5;
    scene.camera.rotationX = 30.0f;
    scene.camera.rotationY = 0.0f;
    scene.camera.moveX = static_cast<float>(-x);
    scene.camera.moveY = static_cast<float>(-(y * std::cos(a) - z * std::sin(a)));
    scene.camera.zoom = static_cast<float>(500.0 - 3.0 - (y * std::sin(a) + z * std::cos(a)));
}

TEST_F(FrameDraws, EachDucksAngleAndOffsetMoveItOnTheScreen) {
    lookAtTheDucks();
    // Ducks at rest, each value in the middle of its walk's range.
    for (int i = 0; i < 3; ++i) {
        scene.duckAngles[i] = 0.0f;
        scene.duckOffsets[i] = -2.0f;
    }
    const auto still = frame();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE("duck " + std::to_string(i));
        scene.duckAngles[i] = 20.0f;
        EXPECT_GT(changedShare(still, frame()), 0.001) << "its wobble turns it";
        scene.duckAngles[i] = 0.0f;
        scene.duckOffsets[i] = 1.0f;
        EXPECT_GT(changedShare(still, frame()), 0.001) << "its bob lifts it";
        scene.duckOffsets[i] = -2.0f;
        EXPECT_EQ(changedShare(still, frame()), 0.0) << "and back at rest";
    }
}

}  // namespace
