// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's initial view, drawn on the real driver with the built textures: the grove and the
// signposts where the frame puts them, with their own textures the right way round.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "render/render.h"
#include "tests/support/grove.h"
#include "tests/support/paths.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

namespace {

// Eye distance of a depth-buffer value under the frame's projection (near 1, far 2000).
double eyeDistanceOfDepth(double depth) {
    constexpr double kNear = 1.0;
    constexpr double kFar = 2000.0;
    return 2.0 * kNear * kFar / (kFar + kNear - (2.0 * depth - 1.0) * (kFar - kNear));
}

Vec3 unit(const Vec3& v) {
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return {v[0] / length, v[1] / length, v[2] / length};
}

Vec3 minus(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

class InitialView : public ::testing::Test {
  protected:
    void SetUp() override {
        setUpQuelmireGl();
        const std::string data = dataDir();
        ASSERT_EQ(access((data + "/wood.raw").c_str(), R_OK), 0) << "no scene textures in " << data;
        images_ = createTexturesIn(data);
        display();
        GLdouble m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        // The camera is a turn R and a shift t: eye = -R^T t, the light (800, 0, 0) in eye space
        // is R^T ((800, 0, 0) - t) in the scene.
        const Vec3 t{m[12], m[13], m[14]};
        const Vec3 light{800.0 - t[0], -t[1], -t[2]};
        for (int i = 0; i < 3; ++i) {
            eye_[i] = -(m[4 * i] * t[0] + m[4 * i + 1] * t[1] + m[4 * i + 2] * t[2]);
            light_[i] = m[4 * i] * light[0] + m[4 * i + 1] * light[1] + m[4 * i + 2] * light[2];
        }
    }

    // A scene point that the frame shows unhidden: the depth buffer there holds its own depth.
    bool visible(const Vec3& p, double tolerance) {
        const auto w = projectScenePoint(p[0], p[1], p[2]);
        if (w[0] < 0 || w[0] >= kWindowWidth || w[1] < 0 || w[1] >= kWindowHeight) {
            return false;
        }
        GLfloat depth = 0.0f;
        glReadPixels(int(w[0]), int(w[1]), 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
        return std::abs(eyeDistanceOfDepth(depth) - eyeDistanceOfDepth(w[2])) < tolerance;
    }

    Rgb colourAt(const Vec3& p) {
        const auto w = projectScenePoint(p[0], p[1], p[2]);
        return readFramePixel(int(w[0]), int(w[1]));
    }

    // The way a surface must face to catch the light and be seen: halfway to eye and light.
    Vec3 facingEyeAndLight(const Vec3& p, bool horizontal) {
        Vec3 toEye = unit(minus(eye_, p));
        Vec3 toLight = unit(minus(light_, p));
        Vec3 half{toEye[0] + toLight[0], toEye[1] + toLight[1], toEye[2] + toLight[2]};
        if (horizontal) {
            half[1] = 0.0;
        }
        return unit(half);
    }

    SceneImages images_;
    Vec3 eye_{};
    Vec3 light_{};
};

TEST_F(InitialView, ShowsTheGroveWithWoodenTrunksAndGrassGreenCrowns) {
    // For each tree, the bark and the crown where they face both the eye and the sun; where the
    // depth buffer shows them unhidden, the pixel must carry their texture's colour.
    int trunksSeen = 0;
    int woodenTrunks = 0;
    int crownsSeen = 0;
    int greenCrowns = 0;
    for (const TreePlace& t : kGrove) {
        const Vec3 axis{t.x - 5.0, 0.4 * t.size, t.z};
        const Vec3 side = facingEyeAndLight(axis, true);
        const double radius = (0.095 + 0.02 * 0.4) * t.size;
        const Vec3 bark{axis[0] + radius * side[0], axis[1], axis[2] + radius * side[2]};
        if (visible(bark, 0.05)) {
            ++trunksSeen;
            const Rgb c = colourAt(bark);
            // Brown: red over green over blue, blue well below green (a white texture under
            // the reddish sun would give green and blue alike).
            const bool wooden = c[0] > c[1] && c[1] > c[2] && 10 * c[2] < 8 * c[1] && c[0] > 25;
            woodenTrunks += wooden;
            EXPECT_TRUE(wooden) << "bark " << c[0] << " " << c[1] << " " << c[2];
        }
        const Vec3 offset = tiltedCrownOffset(t.size);
        const Vec3 centre{t.x - 5.0 + t.size * offset[0], t.size * (1.0 + offset[1]),
                          t.z + t.size * offset[2]};
        const Vec3 face = facingEyeAndLight(centre, false);
        const double r = 0.5 * t.size;
        const Vec3 leaf{centre[0] + r * face[0], centre[1] + r * face[1], centre[2] + r * face[2]};
        if (visible(leaf, 0.1)) {
            ++crownsSeen;
            const Rgb c = colourAt(leaf);
            // Green enough to hold its own against the sun's red, with little blue.
            const bool green = 10 * c[1] > 9 * c[0] && c[1] > 2 * c[2] && c[1] > 25;
            greenCrowns += green;
            EXPECT_TRUE(green) << "crown " << c[0] << " " << c[1] << " " << c[2];
        }
    }
    EXPECT_GE(trunksSeen, 10) << "the grove is on screen";
    EXPECT_GE(crownsSeen, 5) << "the grove is on screen";
    EXPECT_EQ(woodenTrunks, trunksSeen);
    EXPECT_EQ(greenCrowns, crownsSeen);
}

TEST_F(InitialView, ShowsTheFirstSignpostWithItsBoardBesideThePost) {
    // The second signpost stands behind the initial camera; the close-up test below shows it.
    const Vec3& top = kPostTops[0];
    const double d = 0.1 / std::sqrt(2.0);
    const Vec3 board{top[0] + 0.05 + d, top[1] - 0.1, top[2] + d};
    const Vec3 post{top[0], top[1] - 0.3, top[2]};
    EXPECT_TRUE(visible(board, 0.05));
    EXPECT_TRUE(visible(post, 0.1));
    EXPECT_FALSE(near(colourAt(board), readFramePixel(2, 697), 8)) << "the board is not sky";
}

// A 256 x 256 texture in four quarters: rows from the first (t < 0.5) and columns from the first
// (s < 0.5) are the first colour, then s >= 0.5 the second; the later rows the third and fourth.
GLuint quarteredTexture(const std::array<Rgb, 4>& quarters) {
    std::vector<unsigned char> texels;
    for (int row = 0; row < 256; ++row) {
        for (int column = 0; column < 256; ++column) {
            const Rgb& c = quarters[(row < 128 ? 0 : 2) + (column < 128 ? 0 : 1)];
            texels.insert(texels.end(),
                          {static_cast<unsigned char>(c[0]), static_cast<unsigned char>(c[1]),
                           static_cast<unsigned char>(c[2])});
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 256, 256, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}

// Which of red, green and blue are clearly present: bit 0 red, bit 1 green, bit 2 blue.
int channelsOf(const Rgb& c) {
    int bits = 0;
    for (int k = 0; k < 3; ++k) {
        if (c[k] > 25) {
            bits |= 1 << k;
        } else if (c[k] > 10) {
            return -1;  // neither clearly on nor clearly off
        }
    }
    return bits;
}

TEST_F(InitialView, EachBoardShowsItsOwnSignTextureFirstRowAtTheTopAndFirstColumnAtThePost) {
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255};
    scene.signTexture1 = quarteredTexture({red, green, blue, white});
    scene.signTexture2 = quarteredTexture({green, red, white, blue});
    const std::array<std::array<int, 4>, 2> expected{{{1, 2, 4, 7}, {2, 1, 7, 4}}};
    const double d = 0.2 / std::sqrt(2.0);
    for (int sign = 0; sign < 2; ++sign) {
        SCOPED_TRACE("signpost " + std::to_string(sign + 1));
        const Vec3& top = kPostTops[sign];
        const Vec3 centre{top[0] + 0.05 + d / 2, top[1] - 0.1, top[2] + d / 2};
        // Face the board from 3 units in front: the board's face turns to (1, 0, -1) / sqrt 2,
        // which a turn of -135 degrees about the vertical brings to the eye's +z.
        scene.camera.rotationX = 0.0f;
        scene.camera.rotationY = -135.0f;
        const double c = std::cos(-135.0 * M_PI / 180.0);
        const double s = std::sin(-135.0 * M_PI / 180.0);
        scene.camera.moveX = static_cast<float>(-(c * centre[0] + s * centre[2]));
        scene.camera.moveY = static_cast<float>(-centre[1]);
        scene.camera.zoom = static_cast<float>(500.0 - 3.0 - (-s * centre[0] + c * centre[2]));
        display();
        ASSERT_TRUE(visible(centre, 0.01));
        int quarter = 0;
        for (double down : {0.25, 0.75}) {
            for (double along : {0.25, 0.75}) {
                const Vec3 p{top[0] + 0.05 + along * d, top[1] - down * 0.2, top[2] + along * d};
                const Rgb colour = colourAt(p);
                EXPECT_EQ(channelsOf(colour), expected[sign][quarter])
                    << (down < 0.5 ? "upper " : "lower ") << (along < 0.5 ? "near" : "far")
                    << " quarter: " << colour[0] << " " << colour[1] << " " << colour[2];
                ++quarter;
            }
        }
    }
}

}  // namespace
