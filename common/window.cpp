// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "common/common.h"

namespace common {

namespace {

constexpr double kFieldOfView = 30.0;
constexpr double kAspect = 1.0;  // fixed: a non-square window stretches the picture
constexpr float kEyeDistance = 500.0f;

}  // namespace

int openWindow(int& argc, char** argv, int width, int height, std::optional<ScreenPlace> place,
               const char* title) {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    if (place) {
        glutInitWindowPosition(place->x, place->y);
    }
    glutInit(&argc, argv);
    return glutCreateWindow(title);
}

void registerCallbacks(const Callbacks& callbacks) {
    glutDisplayFunc(callbacks.display);
    glutKeyboardFunc(callbacks.keyboard);
    glutMouseFunc(callbacks.mouse);
    glutMotionFunc(callbacks.motion);
    glutReshapeFunc(callbacks.reshape);
}

void setFixedGlState() {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
}

void setPerspective(int width, int height, double nearPlane, double farPlane) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, kAspect, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
}

void placeCamera(const Camera& camera) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(camera.moveX, camera.moveY, camera.zoom - kEyeDistance);
    glRotatef(camera.rotationX, 1.0f, 0.0f, 0.0f);
    glRotatef(camera.rotationY, 0.0f, 1.0f, 0.0f);
}

void finishFrame() {
    glFlush();
    glutSwapBuffers();
}

}  // namespace common
