// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// viewershot OUTFILE TEXTUREDIR: Brindlefen's software-centre screenshot, drawn in this process
// by Brindlefen's own start-up and callbacks: its window as it opens, turned by a left drag, then
// "Toggle Duck" from its menu. TEXTUREDIR holds the built RAW textures. Needs an X display (the
// build runs it on a private virtual one). A tool of its own: Brindlefen's callbacks have the
// same names as Quelmire's, so the two programs cannot share docshot.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <GL/freeglut.h>

#include "assets/assets.h"
#include "tools/docs_pictures/read_back.h"
#include "tools/pictures/png_write.h"
#include "viewer/viewer.h"

using namespace brindlefen;

namespace {

// Pressed in the middle and dragged down: the land turns about the horizontal, one degree a
// pixel, and is seen from above.
constexpr int kPressAt = kViewerWindowSize / 2;
constexpr int kDragPixels = 28;

void dragDown(int pixels) {
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, kPressAt, kPressAt);
    motion(kPressAt, kPressAt + pixels);
    mouse(GLUT_LEFT_BUTTON, GLUT_UP, kPressAt, kPressAt + pixels);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: viewershot OUTFILE TEXTUREDIR\n");
        return 2;
    }
    std::error_code error;
    const std::filesystem::path out = std::filesystem::absolute(argv[1], error);
    // Brindlefen reads its texture from the working directory.
    std::filesystem::current_path(argv[2], error);
    if (error) {
        std::fprintf(stderr, "viewershot: cannot enter %s\n", argv[2]);
        return 1;
    }
    const auto grass = startViewer(argc, argv);
    // A few turns of the event loop map the window; what they draw is drawn again below.
    for (int i = 0; i < 5; ++i) {
        glutMainLoopEvent();
    }
    // The window's first reshape, in case the loop has not delivered it yet.
    reshape(kViewerWindowSize, kViewerWindowSize);
    dragDown(kDragPixels);
    mainMenu(kViewerToggleDuck);
    display();
    const RgbImage image = readBackFrame(kViewerWindowSize, kViewerWindowSize);
    if (!writePng(out.string(), image.width, image.height, image.rgb.data())) {
        std::fprintf(stderr, "viewershot: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
