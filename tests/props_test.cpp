// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The grove and the signposts, measured where the real driver puts their vertices (GL feedback
// mode), in every render mode.
#define GL_GLEXT_PROTOTYPES  // query objects, for the count of primitives generated
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <GL/glu.h>
#include <gtest/gtest.h>

#include "render/render.h"
#include "tests/support/grove.h"
#include "tests/support/quelmire_gl.h"

using namespace quelmire;

namespace {

// The corner index a vertex sits on, or -1.
int cornerOf(const Vec3& p, const std::array<Vec3, 4>& corners) {
    for (int i = 0; i < 4; ++i) {
        if (distance(p, corners[i]) < 1e-4) {
            return i;
        }
    }
    return -1;
}

double triangleArea(const Vec3& a, const Vec3& b, const Vec3& c) {
    const Vec3 u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const Vec3 v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const Vec3 n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    return 0.5 * std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
}

void setRenderMode(int primitive, int style) {
    scene.renderPrimitive = primitive;
    scene.quadricStyle = style;
}

class Props : public ::testing::Test {
  protected:
    void SetUp() override {
        setUpQuelmireGl();
        glLoadIdentity();
    }
};

// The kind of feedback token that a render mode's primitives come back as.
bool tokenFits(GLenum token, int primitive) {
    switch (primitive) {
        case kFilledPrimitive:
            return token == GL_POLYGON_TOKEN;
        case kLinesPrimitive:
            return token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN;
        default:
            return token == GL_POINT_TOKEN;
    }
}

constexpr double kTolerance = 2e-4;  // window coordinates keep about 1.5e-5 of a unit

TEST_F(Props, DrawPropsDrawsTheFiftyFiveTreesInListOrderEachTrunkFromTheGroundToItsSize) {
    const auto all = pieces(capture(drawProps));
    ASSERT_EQ(all.size(), 55u * 2u + 2u * 2u)
        << "a trunk and a crown per tree, a post and a board per sign";
    for (int i = 0; i < 55; ++i) {
        SCOPED_TRACE("tree " + std::to_string(i + 1));
        const TreePlace& t = kGrove[i];
        const auto& trunk = all[2 * i];
        const Bounds b = boundsOf(trunk);
        EXPECT_NEAR(b.low[1], 0.0, kTolerance) << "foot on the ground";
        EXPECT_NEAR(b.high[1], t.size, kTolerance) << "top at the tree's size";
        const Bounds foot = ringAt(trunk, 0.0);
        const Bounds top = ringAt(trunk, t.size);
        EXPECT_NEAR((foot.low[0] + foot.high[0]) / 2, t.x - 5.0, kTolerance);
        EXPECT_NEAR((foot.low[2] + foot.high[2]) / 2, t.z, kTolerance);
        EXPECT_NEAR((top.low[0] + top.high[0]) / 2, t.x - 5.0, kTolerance);
        EXPECT_NEAR((top.low[2] + top.high[2]) / 2, t.z, kTolerance);
        // Thicker where the crown sits than at the foot.
        EXPECT_NEAR((foot.high[0] - foot.low[0]) / 2, 0.095 * t.size, kTolerance);
        EXPECT_NEAR((top.high[0] - top.low[0]) / 2, 0.115 * t.size, kTolerance);

        const Sphere crown = fitSphere(all[2 * i + 1]);
        EXPECT_NEAR(crown.radius, 0.5 * t.size, 1e-3);
        const Vec3 offset = tiltedCrownOffset(t.size);
        EXPECT_NEAR(crown.centre[0], t.x - 5.0 + t.size * offset[0], 1e-3);
        EXPECT_NEAR(crown.centre[1], t.size + t.size * offset[1], 1e-3);
        EXPECT_NEAR(crown.centre[2], t.z + t.size * offset[2], 1e-3);
    }
}

TEST_F(Props, TreeSixHasItsCrownOfRadiusPointSevenOneWhereTheTiltPutsIt) {
    const auto tree = pieces(capture([] { drawTree(1.42f, 0.0f, 0.0f); }));
    ASSERT_EQ(tree.size(), 2u);
    const Bounds trunk = boundsOf(tree[0]);
    EXPECT_NEAR(trunk.low[1], 0.0, kTolerance);
    EXPECT_NEAR(trunk.high[1], 1.42, kTolerance);
    EXPECT_NEAR((trunk.low[0] + trunk.high[0]) / 2, -5.0, kTolerance);
    EXPECT_NEAR((trunk.low[2] + trunk.high[2]) / 2, 0.0, kTolerance);
    const Sphere crown = fitSphere(tree[1]);
    EXPECT_NEAR(crown.radius, 0.71, 2e-4);
    EXPECT_NEAR(crown.centre[0], -5.0605, 2e-4);
    EXPECT_NEAR(crown.centre[1], 2.0526, 2e-4);
    EXPECT_NEAR(crown.centre[2], 0.0669, 2e-4);
}

TEST_F(Props, SignpostsStandAfterTheTreesWithBoardsHangingFromThePostTops) {
    const auto all = pieces(capture(drawProps));
    ASSERT_EQ(all.size(), 114u);
    for (int sign = 0; sign < 2; ++sign) {
        SCOPED_TRACE("signpost " + std::to_string(sign + 1));
        const Vec3& top = kPostTops[sign];
        const auto& post = all[110 + 2 * sign];
        const Bounds b = boundsOf(post);
        EXPECT_NEAR(b.high[1], 0.3, kTolerance);
        EXPECT_NEAR(b.low[1], -0.2, kTolerance);
        for (const auto& v : post) {
            const double dx = v.position[0] - top[0];
            const double dz = v.position[2] - top[2];
            EXPECT_NEAR(std::sqrt(dx * dx + dz * dz), 0.05, kTolerance) << "post radius";
        }

        const auto corners = boardCorners(top);
        const auto& board = all[111 + 2 * sign];
        std::array<int, 4> seen{};
        const std::array<std::array<float, 2>, 4> texture{{{0, 1}, {0, 0}, {1, 0}, {1, 1}}};
        for (const auto& v : board) {
            const int corner = cornerOf(v.position, corners);
            ASSERT_GE(corner, 0) << "board vertex off the corners: " << v.position[0] << ", "
                                 << v.position[1] << ", " << v.position[2];
            ++seen[corner];
            EXPECT_FLOAT_EQ(v.texture[0], texture[corner][0]) << "corner " << corner + 1;
            EXPECT_FLOAT_EQ(v.texture[1], texture[corner][1]) << "corner " << corner + 1;
        }
        for (int c = 0; c < 4; ++c) {
            EXPECT_GT(seen[c], 0) << "corner " << c + 1 << " is drawn";
        }
    }
}

TEST_F(Props, BoardIsOneFilledPolygonCoveringTheWholeSquare) {
    setRenderMode(kFilledPrimitive, kFilledStyle);
    EXPECT_EQ(primitivesGenerated(drawSignBoard), 1u);
    const auto corners = boardCorners({0.0, 0.0, 0.0});
    double area = 0.0;
    for (const auto& p : capture(drawSignBoard)) {
        ASSERT_EQ(p.token, static_cast<GLenum>(GL_POLYGON_TOKEN));
        ASSERT_EQ(p.vertices.size(), 3u);
        for (const auto& v : p.vertices) {
            EXPECT_GE(cornerOf(v.position, corners), 0);
        }
        area +=
            triangleArea(p.vertices[0].position, p.vertices[1].position, p.vertices[2].position);
    }
    EXPECT_NEAR(area, 0.04, 1e-4) << "the full 0.2 x 0.2 square";
}

TEST_F(Props, BoardInLinesModeIsAnOpenStripFromCornerOneToCornerFour) {
    setRenderMode(kLinesPrimitive, kLinesStyle);
    EXPECT_EQ(primitivesGenerated(drawSignBoard), 3u);
    const auto corners = boardCorners({0.0, 0.0, 0.0});
    const auto lines = capture(drawSignBoard);
    ASSERT_EQ(lines.size(), 3u) << "no closing edge from corner 4 back to corner 1";
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(tokenFits(lines[i].token, kLinesPrimitive));
        EXPECT_EQ(cornerOf(lines[i].vertices[0].position, corners), i);
        EXPECT_EQ(cornerOf(lines[i].vertices[1].position, corners), i + 1);
    }
}

TEST_F(Props, BoardInPointsModeIsItsFourCorners) {
    setRenderMode(kPointsPrimitive, kPointsStyle);
    EXPECT_EQ(primitivesGenerated(drawSignBoard), 4u);
    const auto corners = boardCorners({0.0, 0.0, 0.0});
    const auto points = capture(drawSignBoard);
    ASSERT_EQ(points.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(points[i].token, static_cast<GLenum>(GL_POINT_TOKEN));
        EXPECT_EQ(cornerOf(points[i].vertices[0].position, corners), i);
    }
}

TEST_F(Props, EveryBoardCornerSendsTheFaceNormalOfTheBoard) {
    // A white light from exactly the direction the board's +z face turns to (the signpost
    // frame's (1, 0, -1) / sqrt 2) and no ambient: a corner lit 0.8, the default diffuse, has that
    // normal; any other normal lights it less.
    glPushAttrib(GL_LIGHTING_BIT);
    const GLfloat none[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    const GLfloat white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat direction[4] = {0.70710678f, 0.0f, -0.70710678f, 0.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glNormal3f(0.0f, 1.0f, 0.0f);  // a corner without a normal of its own would show this
    setRenderMode(kPointsPrimitive, kPointsStyle);
    const auto points = capture(drawSignBoard);
    glPopAttrib();
    ASSERT_EQ(points.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(points[i].vertices[0].colour[c], 0.8f, 2e-3) << "corner " << i + 1;
        }
    }
}

TEST_F(Props, QuadricsOfTheWholeFrameFollowTheRenderModeThatTheTrunksSet) {
    const std::array<std::pair<int, int>, 3> modes{{{kFilledPrimitive, kFilledStyle},
                                                    {kLinesPrimitive, kLinesStyle},
                                                    {kPointsPrimitive, kPointsStyle}}};
    for (std::size_t m = 0; m < modes.size(); ++m) {
        SCOPED_TRACE("render primitive " + std::to_string(modes[m].first));
        setRenderMode(modes[m].first, modes[m].second);
        // Whatever the quadric held before, the first trunk sets it.
        gluQuadricDrawStyle(quadric, modes[(m + 1) % modes.size()].second);
        const auto props = capture(drawProps);
        ASSERT_FALSE(props.empty());
        const auto misfits = std::count_if(props.begin(), props.end(), [&](const auto& p) {
            return !tokenFits(p.token, modes[m].first);
        });
        EXPECT_EQ(misfits, 0) << "crowns, trunks, posts and boards all in the mode";
        // The sun sphere, drawn later in the frame with no setting of its own.
        const auto sun = capture([] { gluSphere(quadric, 5.0, 25, 25); });
        ASSERT_FALSE(sun.empty());
        EXPECT_TRUE(std::all_of(sun.begin(), sun.end(),
                                [&](const auto& p) { return tokenFits(p.token, modes[m].first); }));
    }
}

TEST_F(Props, TrunksTurnTheQuadricTextureCoordinatesOnForEverythingAfter) {
    gluQuadricTexture(quadric, GL_FALSE);
    glTexCoord2f(0.37f, 0.61f);
    auto spreadOfS = [] {
        float low = 1e9f;
        float high = -1e9f;
        for (const auto& p : capture([] { gluSphere(quadric, 5.0, 25, 25); })) {
            for (const auto& v : p.vertices) {
                low = std::min(low, v.texture[0]);
                high = std::max(high, v.texture[0]);
            }
        }
        return std::make_pair(low, high);
    };
    const auto before = spreadOfS();
    EXPECT_FLOAT_EQ(before.first, 0.37f);
    EXPECT_FLOAT_EQ(before.second, 0.37f);
    drawTree(1.3f, 0.0f, 0.0f);
    const auto after = spreadOfS();
    EXPECT_NEAR(after.first, 0.0f, 1e-6);
    EXPECT_NEAR(after.second, 1.0f, 1e-6);
}

TEST_F(Props, EachPropLeavesTheModelviewStackAsItFoundIt) {
    const std::vector<std::pair<const char*, std::function<void()>>> props{
        {"drawTrunk", drawTrunk},
        {"drawTree", [] { drawTree(1.42f, 0.0f, 0.0f); }},
        {"drawSignBoard", drawSignBoard},
        {"drawSignpost", [] { drawSignpost(scene.signTexture1, -30.0f, 25.0f); }},
        {"drawProps", drawProps}};
    for (const auto& [name, draw] : props) {
        SCOPED_TRACE(name);
        glLoadIdentity();
        glTranslatef(1.0f, -2.0f, -30.0f);
        glRotatef(33.0f, 0.3f, 1.0f, 0.1f);
        glPushMatrix();
        glScalef(1.5f, 1.5f, 1.5f);
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        std::array<GLfloat, 16> before{};
        glGetFloatv(GL_MODELVIEW_MATRIX, before.data());
        draw();
        GLint depthAfter = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
        std::array<GLfloat, 16> after{};
        glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(depthAfter, depth);
        EXPECT_EQ(after, before);
        EXPECT_EQ(mode, GL_MODELVIEW);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        glPopMatrix();
    }
}

TEST_F(Props, EachPropLeavesItsLastTextureBound) {
    GLuint names[4];
    glGenTextures(4, names);
    scene.woodTexture = names[0];
    scene.signTexture1 = names[1];
    scene.signTexture2 = names[2];
    scene.grassTexture = names[3];
    auto bound = [] {
        GLint texture = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        return static_cast<GLuint>(texture);
    };
    glBindTexture(GL_TEXTURE_2D, 0);
    drawTree(1.3f, 0.0f, 0.0f);
    EXPECT_EQ(bound(), scene.grassTexture) << "the crown's texture";
    drawSignpost(scene.signTexture1, -30.0f, 25.0f);
    EXPECT_EQ(bound(), scene.signTexture1) << "the board's texture";
    drawProps();
    EXPECT_EQ(bound(), scene.signTexture2) << "the second board's texture";
}

}  // namespace
