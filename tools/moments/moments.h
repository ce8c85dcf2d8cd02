// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The moments at which the desktop's frames and the browser platform's are compared: each one
// reached from the program's start-up through its own functions (sun ticks, keys, drags, menu
// picks), and drawn by its own display. The same moments come out of every build of these
// tools: on the desktop's OpenGL, on the browser platform natively, and in the browser.
#pragma once

#include <functional>
#include <string>
#include <vector>

// A frame as it is read back: width x height RGB bytes, rows top-down.
using TakeFrame = std::function<void(const std::string& name, const std::vector<unsigned char>&)>;

// Quelmire's moments, in a size x size window that startQuelmire has set up: the start-up
// camera and a turned and zoomed one, at dawn and noon in sun light and in the fixed light,
// filled with and without fog, and in the line and point modes.
void drawQuelmireMoments(int size, const TakeFrame& take);

// Brindlefen's, in its own window after its own start-up: the land as it opens, then turned by a
// drag with the duck shown.
void drawBrindlefenMoments(const TakeFrame& take);

// What both tools do around their moments: the command line OUTDIR [TEXTUREDIR], the frames
// written into OUTDIR as NAME.ppm, and the last word on how it went.
class MomentFiles {
  public:
    // Makes OUTDIR and enters TEXTUREDIR, where the programs read their textures; false, with
    // a message, if the command line is wrong or either folder cannot be used.
    bool open(int argc, char** argv, const char* tool);
    // Takes frames of width x height and writes each one.
    TakeFrame writer(int width, int height);
    // Reports the frames written, or that one could not be; the tool's exit status.
    int finish() const;

  private:
    std::string tool_;
    std::string out_;
    int written_ = 0;
    bool failed_ = false;
};
