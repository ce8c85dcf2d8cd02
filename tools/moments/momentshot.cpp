// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// momentshot OUTDIR [TEXTUREDIR]: draws Quelmire's moments (moments.h) with its own code, in its
// 700 x 700 window, into OUTDIR as NAME.ppm, reading the textures from TEXTUREDIR (by default
// the working directory). On the desktop it needs an X display.
#include <GL/freeglut.h>

#include "app/app.h"
#include "tools/docs_pictures/quelmire_frames.h"
#include "tools/moments/moments.h"
#include "tools/pictures/picture_window.h"

int main(int argc, char** argv) {
    using namespace quelmire;
    MomentFiles files;
    if (!files.open(argc, argv, "momentshot")) {
        return 2;
    }
    openPictureWindow(argc, argv, kWindowWidth, "momentshot");
    const SceneImages images = startQuelmire(kWindowWidth);
    drawQuelmireMoments(kWindowWidth, files.writer(kWindowWidth, kWindowHeight));
    return files.finish();
}
