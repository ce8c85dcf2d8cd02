// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire: a pond scene with ducks, a grove, signposts and a sun that crosses the sky.
#include <cstdio>

#include <GL/glut.h>

#include "app/app.h"

int main(int argc, char** argv) {
    using namespace quelmire;
    if (quadric == nullptr) {
        std::fputs("quelmire: out of memory: cannot create the GLU quadric\n", stderr);
        return 1;
    }
    const SceneImages images = start(argc, argv);
    glutMainLoop();
    return 0;
}
