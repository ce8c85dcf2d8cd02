// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The baseline for start-up time and memory: a GLUT window of Quelmire's size, mode and place
// that only clears and swaps, redrawn on the same 16 ms timer. Anything Quelmire costs beyond
// this is its own.
#include <GL/glut.h>

namespace {

constexpr unsigned kRedisplayMs = 16;

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}

void redisplayTimer(int) {
    glutPostRedisplay();
    glutTimerFunc(kRedisplayMs, redisplayTimer, 0);
}

}  // namespace

int main(int argc, char** argv) {
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(700, 700);
    glutInitWindowPosition(150, 0);
    glutInit(&argc, argv);
    glutCreateWindow("empty-window");
    glutDisplayFunc(display);
    glutTimerFunc(kRedisplayMs, redisplayTimer, 0);
    glutMainLoop();
    return 0;
}
