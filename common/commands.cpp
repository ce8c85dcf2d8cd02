// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstdio>
#include <cstdlib>

#include <GL/glut.h>

#include "common/common.h"

namespace common {

void turnByDrag(int x, int y, Camera& camera) {
    camera.rotationY += static_cast<float>(x) - camera.lastMouseX;
    camera.rotationX += static_cast<float>(y) - camera.lastMouseY;
    camera.lastMouseX = static_cast<float>(x);
    camera.lastMouseY = static_cast<float>(y);
}

bool isQuitKey(unsigned char key) {
    return key == 'q' || key == 'Q' || key == 'x' || key == 'X';
}

void quitWindow(int windowId) {
    glutDestroyWindow(windowId);
    std::exit(0);
}

void addMenuEntries(const MenuEntry* entries, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        glutAddMenuEntry(entries[i].label, entries[i].value);
    }
}

void printLines(const char* const* lines, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        std::fputs(lines[i], stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}

}  // namespace common
