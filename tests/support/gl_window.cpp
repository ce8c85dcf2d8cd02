// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#define GL_GLEXT_PROTOTYPES  // query objects
#include "tests/support/gl_window.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include <GL/freeglut.h>

namespace {

int window = 0;

void drawNothing() {}

Rgb readPixel(GLenum buffer, int x, int y) {
    glFinish();
    glReadBuffer(buffer);
    unsigned char rgb[3] = {0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

}  // namespace

void pumpEvents(int rounds) {
    for (int i = 0; i < rounds; ++i) {
        glutMainLoopEvent();
    }
}

void ensureGlWindow(int width, int height) {
    if (window == 0) {
        if (std::getenv("DISPLAY") == nullptr) {
            std::abort();  // tests run only on their own virtual display
        }
        int argc = 1;
        char name[] = "gl-test";
        char* argv[] = {name, nullptr};
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(width, height);
        glutInitWindowPosition(0, 0);
        glutInit(&argc, argv);
        glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
        window = glutCreateWindow("gl-test");
        glutDisplayFunc(drawNothing);
    }
    glutSetWindow(window);
    if (glutGet(GLUT_WINDOW_WIDTH) != width || glutGet(GLUT_WINDOW_HEIGHT) != height) {
        glutReshapeWindow(width, height);
    }
    for (int i = 0;
         i < 50 && (glutGet(GLUT_WINDOW_WIDTH) != width || glutGet(GLUT_WINDOW_HEIGHT) != height);
         ++i) {
        pumpEvents(1);
    }
    pumpEvents();
    glViewport(0, 0, width, height);
}

Rgb readFramePixel(int x, int y) {
    return readPixel(GL_BACK, x, y);
}

bool near(const Rgb& actual, const Rgb& expected, int tolerance) {
    for (int i = 0; i < 3; ++i) {
        if (std::abs(actual[i] - expected[i]) > tolerance) {
            return false;
        }
    }
    return true;
}

Matrix perspectiveMatrix(double fieldOfView, double aspect, double nearPlane, double farPlane) {
    const double f = 1.0 / std::tan(fieldOfView * M_PI / 360.0);
    Matrix m{};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (farPlane + nearPlane) / (nearPlane - farPlane);
    m[11] = -1.0;
    m[14] = 2.0 * farPlane * nearPlane / (nearPlane - farPlane);
    return m;
}

namespace {

Matrix product(const Matrix& a, const Matrix& b) {
    Matrix m{};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            for (int k = 0; k < 4; ++k) {
                m[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
            }
        }
    }
    return m;
}

}  // namespace

Matrix translateThenTurn(const std::array<double, 3>& t, double degreesX, double degreesY) {
    const double ax = degreesX * M_PI / 180.0, ay = degreesY * M_PI / 180.0;
    const Matrix translate{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, t[0], t[1], t[2], 1};
    const Matrix aboutX{
        1, 0, 0, 0, 0, std::cos(ax), std::sin(ax), 0, 0, -std::sin(ax), std::cos(ax),
        0, 0, 0, 0, 1};
    const Matrix aboutY{std::cos(ay), 0, -std::sin(ay), 0, 0, 1, 0, 0,
                        std::sin(ay), 0, std::cos(ay),  0, 0, 0, 0, 1};
    return product(product(translate, aboutX), aboutY);
}

void expectMatrix(GLenum which, const Matrix& expected) {
    Matrix actual{};
    glGetDoublev(which, actual.data());
    for (int i = 0; i < 16; ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1e-6 * std::max(1.0, std::abs(expected[i])))
            << "element " << i;
    }
}

void expectReshapeSets(void (*reshape)(int, int), int width, int height, const Matrix& projection) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glTranslatef(3.0f, 4.0f, 5.0f);  // whatever was there before is replaced
    reshape(width, height);
    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], width);
    EXPECT_EQ(viewport[3], height);
    SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
    expectMatrix(GL_PROJECTION_MATRIX, projection);
}

unsigned primitivesGenerated(const std::function<void()>& draw) {
    GLuint query = 0;
    glGenQueries(1, &query);
    glBeginQuery(GL_PRIMITIVES_GENERATED, query);
    draw();
    glEndQuery(GL_PRIMITIVES_GENERATED);
    GLuint count = 0;
    glGetQueryObjectuiv(query, GL_QUERY_RESULT, &count);
    glDeleteQueries(1, &query);
    return count;
}
