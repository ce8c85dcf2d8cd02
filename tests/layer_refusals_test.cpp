// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The browser platform natively (our OpenGL, GLU and GLUT over OpenGL ES 3 on Mesa) refuses
// what it does not draw as OpenGL refuses what it does not know: the primitive modes, values and
// switches that neither program uses answer GL_INVALID_ENUM, and draw or change nothing. The
// values are OpenGL's own numbers, as a program would pass them; our headers leave them out.
#include <GL/glu.h>
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kSide = 32;

// OpenGL's numbers for what the platform has no more.
constexpr GLenum kLines = 0x0001;
constexpr GLenum kLineLoop = 0x0002;
constexpr GLenum kTriangleStrip = 0x0005;
constexpr GLenum kQuads = 0x0007;
constexpr GLenum kPastPolygon = 0x000A;  // no primitive in any OpenGL
constexpr GLenum kUnsignedShort = 0x1403;
constexpr GLenum kFront = 0x0404;
constexpr GLenum kLight1 = 0x4001;
constexpr GLenum kSpotCutoff = 0x1206;
constexpr GLenum kLinearAttenuation = 0x1208;
constexpr GLenum kEmission = 0x1600;
constexpr GLenum kTextureMatrix = 0x1702;
constexpr GLenum kDither = 0x0BD0;
constexpr GLenum kFlat = 0x1D00;
constexpr GLenum kExp2 = 0x0801;
constexpr GLenum kLuminance = 0x1909;
constexpr GLenum kRgba = 0x1908;
constexpr GLenum kNearest = 0x2600;
constexpr GLenum kTextureWrapS = 0x2802;
constexpr GLenum kOne = 1;
constexpr GLenum kZero = 0;
constexpr GLenum kSilhouette = 100013;

constexpr GLfloat kFour[] = {0.5f, 0.5f, 0.5f, 1.0f};
constexpr unsigned char kTexel[4] = {255, 255, 255, 255};

class LayerRefusals : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "layer_refusals_test";
        static char* argv[] = {name, nullptr};
        glutInit(&argc, argv);
        glutInitWindowSize(kSide, kSide);
        glutCreateWindow("refusals");
    }

    void SetUp() override {
        while (glGetError() != GL_NO_ERROR) {
        }
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    // Lit pixels of the window, unlit (white, no lighting) drawing on black.
    static int litPixels() {
        std::vector<unsigned char> rgb(kSide * kSide * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kSide, kSide, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        int lit = 0;
        for (std::size_t i = 0; i < rgb.size(); i += 3) {
            lit += rgb[i] + rgb[i + 1] + rgb[i + 2] > 0 ? 1 : 0;
        }
        return lit;
    }
};

// A square across the whole window, as four corners round its edge; as a triangle strip or in
// pairs the same four corners cover part of it at least.
const float kCorners[] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0};
const GLuint kOrder[] = {0, 1, 2, 3};

void drawImmediately(GLenum mode) {
    glBegin(mode);
    for (int i = 0; i < 4; ++i) {
        glVertex3f(kCorners[i * 3], kCorners[i * 3 + 1], kCorners[i * 3 + 2]);
    }
    glEnd();
}

void drawArrays(GLenum mode, GLenum type) {
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, kCorners);
    glDrawElements(mode, 4, type, kOrder);
    glPopClientAttrib();
}

TEST_F(LayerRefusals, aKeptModeDrawsTheSquare) {
    drawImmediately(GL_POLYGON);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    EXPECT_EQ(litPixels(), kSide * kSide);
    glClear(GL_COLOR_BUFFER_BIT);
    drawArrays(GL_TRIANGLE_FAN, GL_UNSIGNED_INT);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    EXPECT_EQ(litPixels(), kSide * kSide);
}

TEST_F(LayerRefusals, removedModesAnswerInvalidEnumAndDrawNothing) {
    for (const GLenum mode : {kLines, kLineLoop, kTriangleStrip, kQuads, kPastPolygon}) {
        SCOPED_TRACE(testing::Message() << "mode 0x" << std::hex << mode);
        glClear(GL_COLOR_BUFFER_BIT);
        glBegin(mode);
        EXPECT_EQ(glGetError(), GL_INVALID_ENUM) << "glBegin";
        for (int i = 0; i < 4; ++i) {
            glVertex3f(kCorners[i * 3], kCorners[i * 3 + 1], kCorners[i * 3 + 2]);
        }
        // No glBegin took: the vertices fell outside one, and so does glEnd.
        glEnd();
        EXPECT_EQ(glGetError(), GL_INVALID_OPERATION) << "glEnd";
        drawArrays(mode, GL_UNSIGNED_INT);
        EXPECT_EQ(glGetError(), GL_INVALID_ENUM) << "glDrawElements";
        EXPECT_EQ(litPixels(), 0);
    }
}

TEST_F(LayerRefusals, removedIndexTypesAnswerInvalidEnumAndDrawNothing) {
    drawArrays(GL_TRIANGLE_FAN, kUnsignedShort);
    EXPECT_EQ(glGetError(), GL_INVALID_ENUM);
    EXPECT_EQ(litPixels(), 0);
}

TEST_F(LayerRefusals, removedValuesAnswerInvalidEnum) {
    struct Case {
        const char* call;
        void (*make)();
    };
    const Case cases[] = {
        {"glEnable(GL_LIGHT1)", [] { glEnable(kLight1); }},
        {"glEnable(GL_DITHER)", [] { glEnable(kDither); }},
        {"glEnable(GL_CULL_FACE)", [] { glEnable(GL_CULL_FACE); }},
        {"glLightfv(GL_LIGHT0, GL_SPOT_CUTOFF)", [] { glLightfv(GL_LIGHT0, kSpotCutoff, kFour); }},
        {"glLightfv(GL_LIGHT0, GL_LINEAR_ATTENUATION)",
         [] { glLightfv(GL_LIGHT0, kLinearAttenuation, kFour); }},
        {"glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION)",
         [] { glMaterialfv(GL_FRONT_AND_BACK, kEmission, kFour); }},
        {"glMaterialfv(GL_FRONT, GL_DIFFUSE)", [] { glMaterialfv(kFront, GL_DIFFUSE, kFour); }},
        {"glShadeModel(GL_FLAT)", [] { glShadeModel(kFlat); }},
        {"glMatrixMode(GL_TEXTURE)", [] { glMatrixMode(kTextureMatrix); }},
        {"glFogf(GL_FOG_MODE, GL_LINEAR)",
         [] { glFogf(GL_FOG_MODE, static_cast<GLfloat>(GL_LINEAR)); }},
        {"glFogf(GL_FOG_MODE, GL_EXP2)", [] { glFogf(GL_FOG_MODE, static_cast<GLfloat>(kExp2)); }},
        {"glBlendFunc(GL_ONE, GL_ZERO)", [] { glBlendFunc(kOne, kZero); }},
        {"glTexImage2D(GL_LUMINANCE)",
         [] { glTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, kLuminance, GL_UNSIGNED_BYTE, kTexel); }},
        {"glTexImage2D(GL_RGBA)",
         [] { glTexImage2D(GL_TEXTURE_2D, 0, 3, 1, 1, 0, kRgba, GL_UNSIGNED_BYTE, kTexel); }},
        {"glTexParameteri(GL_TEXTURE_MIN_FILTER, GL_NEAREST)",
         [] { glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, kNearest); }},
        {"glTexParameteri(GL_TEXTURE_WRAP_S)",
         [] { glTexParameteri(GL_TEXTURE_2D, kTextureWrapS, GL_LINEAR); }},
        {"glReadBuffer(GL_FRONT)", [] { glReadBuffer(kFront); }},
    };
    for (const Case& c : cases) {
        c.make();
        EXPECT_EQ(glGetError(), GL_INVALID_ENUM) << c.call;
    }
}

// GLU hands GLU_INVALID_ENUM to a quadric's error callback, which this GLU does not take: the
// quadric keeps its style, and draws as before.
TEST_F(LayerRefusals, aRemovedQuadricStyleLeavesTheQuadricAsItWas) {
    GLUquadric* quadric = gluNewQuadric();
    gluSphere(quadric, 0.9, 12, 12);
    const int filled = litPixels();
    glClear(GL_COLOR_BUFFER_BIT);
    gluQuadricDrawStyle(quadric, GLU_POINT);
    gluSphere(quadric, 0.9, 12, 12);
    const int points = litPixels();
    ASSERT_LT(points, filled) << "points and filled spheres must differ for this to prove anything";
    glClear(GL_COLOR_BUFFER_BIT);
    gluQuadricDrawStyle(quadric, kSilhouette);
    gluSphere(quadric, 0.9, 12, 12);
    EXPECT_EQ(litPixels(), points);
    EXPECT_EQ(glGetError(), GL_NO_ERROR);
    gluDeleteQuadric(quadric);
}

}  // namespace
