// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// docshot day|modes|quelmire|brindlefen OUTFILE TEXTUREDIR: draws one of the README's pictures
// or software-centre screenshots with the programs' own code, from their start-up state, and
// writes it as a PNG. "day" is six moments of one sun cycle, "modes" the render modes and fog at
// noon, both drawn by Quelmire's frame; "quelmire" is Quelmire's window at dawn and "brindlefen"
// Brindlefen's window (brindlefen_screenshot.h), their screenshots. TEXTUREDIR holds the built
// RAW textures. Needs an X display (the build runs it on a private virtual one).
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/app.h"
#include "input/input.h"
#include "tools/docs_pictures/brindlefen_screenshot.h"
#include "tools/docs_pictures/quelmire_frames.h"
#include "tools/docs_pictures/strip.h"
#include "tools/pictures/picture_window.h"
#include "tools/pictures/png_write.h"

namespace {

constexpr int kPanelSize = 240;

// Sun ticks from start-up, of the 3,200 in a cycle: the sun rises at 0, stands highest at 800,
// sets at 1,600 and is lowest at 2,400.
struct Moment {
    int tick;
    const char* caption;
};
constexpr Moment kDay[] = {{30, "Dawn"},        {400, "Morning"}, {800, "Noon"},
                           {1200, "Afternoon"}, {1585, "Dusk"},   {2400, "Night"}};
constexpr int kModesTick = 800;
// Quelmire's first moments, from its start-up camera: the sun a fifth of the way up, the sky a
// violet dawn, light enough to read the scene by.
constexpr int kDawnTick = 160;

struct Mode {
    const char* keys;  // pressed in order, as a user would
    const char* caption;
};
constexpr Mode kModes[] = {
    {"n", "Filled (n)"}, {"l", "Lines (l)"}, {"p", "Points (p)"}, {"nf", "Fog on (f)"}};

// The start-up camera, turned and moved in by two left-button drags as a user would make them:
// the ducks move to the middle, between the pond and the grove.
constexpr int kTurnPixels = 8;  // one degree each, about the vertical
constexpr int kZoomSteps = 8;   // one unit each, in one mouse event with shift held
constexpr int kPixelsPerZoomStep = 50;

void frameTheDucks() {
    using quelmire::motion;
    using quelmire::pressButton;
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, 0);
    motion(kTurnPixels, 0);
    pressButton(GLUT_LEFT_BUTTON, GLUT_UP, kTurnPixels, 0, 0);
    const int zoomDrag = kZoomSteps * kPixelsPerZoomStep;
    pressButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0, GLUT_ACTIVE_SHIFT);
    motion(0, zoomDrag);
    pressButton(GLUT_LEFT_BUTTON, GLUT_UP, 0, zoomDrag, GLUT_ACTIVE_SHIFT);
}

Panel panel(const char* caption, int shrinkFactor) {
    const int drawn = kPanelSize * shrinkFactor;
    return {shrink(drawFrame(drawn), drawn, shrinkFactor), caption};
}

std::vector<Panel> dayPanels(int shrinkFactor) {
    std::vector<Panel> panels;
    int tick = 0;
    for (const Moment& moment : kDay) {
        tickSun(moment.tick - tick);
        tick = moment.tick;
        panels.push_back(panel(moment.caption, shrinkFactor));
    }
    return panels;
}

std::vector<Panel> modePanels(int shrinkFactor) {
    tickSun(kModesTick);
    std::vector<Panel> panels;
    for (const Mode& mode : kModes) {
        for (const char* key = mode.keys; *key != '\0'; ++key) {
            quelmire::applyKey(static_cast<unsigned char>(*key));
        }
        panels.push_back(panel(mode.caption, shrinkFactor));
    }
    return panels;
}

// The day is drawn three times larger and averaged down, for smooth edges and a small file. The
// modes are drawn at their size: averaged down, a line or a point of one pixel would fade away.
constexpr int kDayShrink = 3;
constexpr int kModesShrink = 1;

// Quelmire's pictures start from its start-up state in a square picture window of their size.
// The strips look at the ducks; the screenshot is the window as the program opens it.
quelmire::SceneImages startIn(int& argc, char** argv, int size) {
    openPictureWindow(argc, argv, size, "docshot");
    return startQuelmire(size);
}

RgbImage dayStrip(int& argc, char** argv) {
    const quelmire::SceneImages images = startIn(argc, argv, kPanelSize * kDayShrink);
    frameTheDucks();
    return layOutStrip(dayPanels(kDayShrink), kPanelSize);
}

RgbImage modesStrip(int& argc, char** argv) {
    const quelmire::SceneImages images = startIn(argc, argv, kPanelSize * kModesShrink);
    frameTheDucks();
    return layOutStrip(modePanels(kModesShrink), kPanelSize);
}

static_assert(quelmire::kWindowWidth == quelmire::kWindowHeight, "the picture window is square");

RgbImage dawnWindow(int& argc, char** argv) {
    const quelmire::SceneImages images = startIn(argc, argv, quelmire::kWindowWidth);
    tickSun(kDawnTick);
    return {quelmire::kWindowWidth, quelmire::kWindowHeight, drawFrame(quelmire::kWindowWidth)};
}

// Each picture opens its program's window, with the command line for glutInit, and draws.
struct Picture {
    const char* name;
    RgbImage (*draw)(int& argc, char** argv);
};
constexpr Picture kPictures[] = {{"day", dayStrip},
                                 {"modes", modesStrip},
                                 {"quelmire", dawnWindow},
                                 {"brindlefen", drawBrindlefenScreenshot}};

}  // namespace

int main(int argc, char** argv) {
    const Picture* picture = nullptr;
    for (const Picture& p : kPictures) {
        if (argc == 4 && std::string(argv[1]) == p.name) {
            picture = &p;
        }
    }
    if (picture == nullptr) {
        std::fprintf(stderr, "usage: docshot day|modes|quelmire|brindlefen OUTFILE TEXTUREDIR\n");
        return 2;
    }
    std::error_code error;
    const std::filesystem::path out = std::filesystem::absolute(argv[2], error);
    // The programs read their textures from the working directory.
    std::filesystem::current_path(argv[3], error);
    if (error) {
        std::fprintf(stderr, "docshot: cannot enter %s\n", argv[3]);
        return 1;
    }
    const RgbImage image = picture->draw(argc, argv);
    if (!writePng(out.string(), image.width, image.height, image.rgb.data())) {
        std::fprintf(stderr, "docshot: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
