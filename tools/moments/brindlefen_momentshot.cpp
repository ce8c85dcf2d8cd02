// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// brindlefen_momentshot OUTDIR [TEXTUREDIR]: draws Brindlefen's moments (moments.h) with its own
// start-up and callbacks into OUTDIR as NAME.ppm, reading its texture from TEXTUREDIR (by
// default the working directory). A tool of its own: Brindlefen's callbacks have the same
// names as Quelmire's. On the desktop it needs an X display.
#include <GL/freeglut.h>

#include "assets/assets.h"
#include "tools/moments/moments.h"
#include "viewer/viewer.h"

int main(int argc, char** argv) {
    MomentFiles files;
    if (!files.open(argc, argv, "brindlefen_momentshot")) {
        return 2;
    }
    const auto grass = brindlefen::start(argc, argv);
    // A few turns of the event loop map the window; what they draw is drawn again.
    for (int i = 0; i < 5; ++i) {
        glutMainLoopEvent();
    }
    drawBrindlefenMoments(
        files.writer(brindlefen::kViewerWindowSize, brindlefen::kViewerWindowSize));
    return files.finish();
}
