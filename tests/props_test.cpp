// The grove and the signposts, measured where the real driver puts their vertices (GL feedback
// mode) and where they land on screen in the initial view.
#define GL_GLEXT_PROTOTYPES  // query objects, for the count of primitives generated
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <GL/glu.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "render/render.h"
#include "tests/support/paths.h"
#include "tests/support/quelmire_gl.h"

namespace {

using Vec3 = std::array<double, 3>;

constexpr double kPi = 3.14159265358979323846;

struct FeedbackVertex {
    Vec3 position;
    std::array<float, 4> colour;
    std::array<float, 4> texture;
};

struct FeedbackPrimitive {
    GLenum token;  // GL_POINT_TOKEN, GL_LINE_TOKEN, GL_LINE_RESET_TOKEN or GL_POLYGON_TOKEN
    std::vector<FeedbackVertex> vertices;
};

// An orthographic box of +-128 scene units mapped onto a 256-pixel viewport: window x and y are
// scene x and y plus 128, and window depth runs from 0 at z = +128 to 1 at z = -128.
constexpr double kBox = 128.0;

Vec3 sceneFromWindow(const GLfloat* w) {
    return {w[0] - kBox, w[1] - kBox, kBox * (1.0 - 2.0 * w[2])};
}

// Runs `draw` in feedback mode with the modelview as the caller left it and returns what the
// driver produced, vertex positions taken back to the modelview's frame of reference.
std::vector<FeedbackPrimitive> capture(const std::function<void()>& draw) {
    static std::vector<GLfloat> buffer(1 << 23);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-kBox, kBox, -kBox, kBox, -kBox, kBox);
    glMatrixMode(GL_MODELVIEW);
    glViewport(0, 0, 2 * static_cast<int>(kBox), 2 * static_cast<int>(kBox));
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint count = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    EXPECT_GE(count, 0) << "feedback buffer too small";

    constexpr int kPerVertex = 3 + 4 + 4;
    auto vertexAt = [&](int i) {
        FeedbackVertex v;
        v.position = sceneFromWindow(&buffer[i]);
        std::copy(&buffer[i + 3], &buffer[i + 7], v.colour.begin());
        std::copy(&buffer[i + 7], &buffer[i + 11], v.texture.begin());
        return v;
    };
    std::vector<FeedbackPrimitive> primitives;
    for (int i = 0; i < count;) {
        const auto token = static_cast<GLenum>(buffer[i++]);
        int vertices = 0;
        switch (token) {
            case GL_POINT_TOKEN:
                vertices = 1;
                break;
            case GL_LINE_TOKEN:
            case GL_LINE_RESET_TOKEN:
                vertices = 2;
                break;
            case GL_POLYGON_TOKEN:
                vertices = static_cast<int>(buffer[i++]);
                break;
            case GL_PASS_THROUGH_TOKEN:
                ++i;
                continue;
            default:
                ADD_FAILURE() << "unexpected feedback token " << token;
                return primitives;
        }
        FeedbackPrimitive primitive{token, {}};
        for (int k = 0; k < vertices; ++k, i += kPerVertex) {
            primitive.vertices.push_back(vertexAt(i));
        }
        primitives.push_back(primitive);
    }
    return primitives;
}

double distance(const Vec3& a, const Vec3& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

bool sharesAVertex(const FeedbackPrimitive& a, const FeedbackPrimitive& b) {
    for (const auto& u : a.vertices) {
        for (const auto& v : b.vertices) {
            if (distance(u.position, v.position) < 1e-4) {
                return true;
            }
        }
    }
    return false;
}

// Splits a filled drawing into its closed pieces (a trunk, a crown, a post, a board): the
// triangles of one quadric or board come one after another, each sharing a corner with one
// drawn before it in the same piece, while separate pieces share no corner at all.
std::vector<std::vector<FeedbackVertex>> pieces(const std::vector<FeedbackPrimitive>& primitives) {
    std::vector<std::vector<FeedbackVertex>> result;
    std::size_t pieceStart = 0;
    for (std::size_t i = 0; i < primitives.size(); ++i) {
        bool joined = false;
        for (std::size_t k = pieceStart; k < i && !joined; ++k) {
            joined = sharesAVertex(primitives[k], primitives[i]);
        }
        if (!joined) {
            result.emplace_back();
            pieceStart = i;
        }
        const auto& v = primitives[i].vertices;
        result.back().insert(result.back().end(), v.begin(), v.end());
    }
    return result;
}

struct Bounds {
    Vec3 low{1e9, 1e9, 1e9};
    Vec3 high{-1e9, -1e9, -1e9};
};

// Bounds of the vertices whose height is within 1e-4 of `y`.
Bounds ringAt(const std::vector<FeedbackVertex>& piece, double y) {
    Bounds b;
    for (const auto& v : piece) {
        if (std::abs(v.position[1] - y) < 1e-4) {
            for (int k = 0; k < 3; ++k) {
                b.low[k] = std::min(b.low[k], v.position[k]);
                b.high[k] = std::max(b.high[k], v.position[k]);
            }
        }
    }
    return b;
}

Bounds boundsOf(const std::vector<FeedbackVertex>& piece) {
    Bounds b;
    for (const auto& v : piece) {
        for (int k = 0; k < 3; ++k) {
            b.low[k] = std::min(b.low[k], v.position[k]);
            b.high[k] = std::max(b.high[k], v.position[k]);
        }
    }
    return b;
}

// Least-squares sphere through the vertices: |p|^2 = 2 c.p + k, solved by normal equations.
struct Sphere {
    Vec3 centre;
    double radius;
};
Sphere fitSphere(const std::vector<FeedbackVertex>& piece) {
    double a[4][5] = {};
    for (const auto& v : piece) {
        const double row[4] = {2 * v.position[0], 2 * v.position[1], 2 * v.position[2], 1.0};
        const double rhs = v.position[0] * v.position[0] + v.position[1] * v.position[1] +
                           v.position[2] * v.position[2];
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                a[i][j] += row[i] * row[j];
            }
            a[i][4] += row[i] * rhs;
        }
    }
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::abs(a[r][col]) > std::abs(a[pivot][col])) {
                pivot = r;
            }
        }
        std::swap(a[col], a[pivot]);
        for (int r = 0; r < 4; ++r) {
            if (r != col) {
                const double f = a[r][col] / a[col][col];
                for (int c = col; c < 5; ++c) {
                    a[r][c] -= f * a[col][c];
                }
            }
        }
    }
    const Vec3 c{a[0][4] / a[0][0], a[1][4] / a[1][1], a[2][4] / a[2][2]};
    const double k = a[3][4] / a[3][3];
    return {c, std::sqrt(k + c[0] * c[0] + c[1] * c[1] + c[2] * c[2])};
}

struct TreePlace {
    float size, x, z;
};

// The grove as the scene lays it out, in drawing order.
const TreePlace kGrove[55] = {
    {1.31f, 0.4f, -7.6f}, {1.44f, 0.8f, -6.7f}, {1.33f, 0.7f, -4.5f}, {1.45f, 0.2f, -3.6f},
    {1.33f, 0.9f, -1.0f}, {1.42f, 0.0f, 0.0f},  {1.35f, 0.5f, 1.3f},  {1.41f, 0.5f, 3.3f},
    {1.3f, 0.1f, 4.4f},   {1.44f, 0.6f, 6.2f},  {1.33f, 0.3f, 7.9f},  {1.44f, 2.3f, -7.3f},
    {1.31f, 1.7f, -6.7f}, {1.44f, 1.9f, -4.7f}, {1.35f, 2.2f, -3.9f}, {1.44f, 1.8f, -1.6f},
    {1.35f, 1.5f, 0.0f},  {1.43f, 2.0f, 1.4f},  {1.33f, 2.1f, 3.6f},  {1.42f, 1.6f, 4.8f},
    {1.35f, 2.4f, 6.5f},  {1.44f, 2.0f, 7.9f},  {1.31f, 3.3f, -7.9f}, {1.45f, 3.8f, -6.9f},
    {1.31f, 3.7f, -4.1f}, {1.42f, 3.0f, -3.0f}, {1.3f, 3.2f, -1.5f},  {1.41f, 3.4f, 0.8f},
    {1.34f, 3.5f, 1.8f},  {1.4f, 3.1f, 3.9f},   {1.35f, 3.5f, 4.4f},  {1.41f, 3.6f, 6.6f},
    {1.32f, 3.9f, 7.8f},  {1.42f, 5.0f, -7.8f}, {1.3f, 4.5f, -6.0f},  {1.45f, 4.6f, -4.3f},
    {1.31f, 5.4f, -3.3f}, {1.42f, 4.8f, -1.4f}, {1.33f, 5.1f, 0.2f},  {1.4f, 4.7f, 1.4f},
    {1.35f, 5.2f, 3.9f},  {1.43f, 5.1f, 4.1f},  {1.32f, 4.9f, 6.3f},  {1.41f, 5.3f, 7.0f},
    {1.35f, 6.7f, -7.4f}, {1.42f, 6.2f, -6.6f}, {1.34f, 6.8f, -4.7f}, {1.43f, 6.3f, -3.6f},
    {1.36f, 6.0f, -1.5f}, {1.42f, 6.1f, 0.9f},  {1.3f, 6.5f, 1.4f},   {1.42f, 6.9f, 3.5f},
    {1.3f, 6.0f, 4.5f},   {1.43f, 6.6f, 6.6f},  {1.35f, 6.4f, 7.8f},
};

// Post tops of the two signposts in the scene.
const Vec3 kPostTops[2] = {{-25.0, 0.3, 25.0}, {-20.0, 0.3, 60.0}};

// Board corners 1 to 4 for a post top: corner 2 at the post's side level with its top, corner 1
// below it, corners 3 and 4 a board's width away along (1, 0, 1) / sqrt 2.
std::array<Vec3, 4> boardCorners(const Vec3& top) {
    const double d = 0.2 / std::sqrt(2.0);
    return {{{top[0] + 0.05, top[1] - 0.2, top[2]},
             {top[0] + 0.05, top[1], top[2]},
             {top[0] + 0.05 + d, top[1], top[2] + d},
             {top[0] + 0.05 + d, top[1] - 0.2, top[2] + d}}};
}

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

// The crown offset of 0.45 turned by `size` x 7 degrees about (1, 1, 1), in the tree's frame.
Vec3 tiltedCrownOffset(double size) {
    const double angle = size * 7.0 * kPi / 180.0;
    const double c = std::cos(angle);
    const double s = std::sin(angle) / std::sqrt(3.0);
    const double k = (1.0 - c) / 3.0;
    return {0.45 * (-s + k), 0.45 * (c + k), 0.45 * (s + k)};
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
        scene.rotationX = 0.0f;
        scene.rotationY = -135.0f;
        const double c = std::cos(-135.0 * kPi / 180.0);
        const double s = std::sin(-135.0 * kPi / 180.0);
        scene.moveX = static_cast<float>(-(c * centre[0] + s * centre[2]));
        scene.moveY = static_cast<float>(-centre[1]);
        scene.zoom = static_cast<float>(500.0 - 3.0 - (-s * centre[0] + c * centre[2]));
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
