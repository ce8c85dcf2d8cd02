// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Brindlefen: the land and the duck under one fixed light, turned with the left button.
#include <GL/glut.h>

#include "assets/assets.h"
#include "viewer/viewer.h"

int main(int argc, char** argv) {
    using namespace brindlefen;
    const auto grass = start(argc, argv);
    glutMainLoop();
    return 0;
}
