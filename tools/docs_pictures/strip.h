// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The README's picture strips: square panels side by side, each with a caption under it.
#pragma once

#include <string>
#include <vector>

#include "tools/docs_pictures/read_back.h"

// Each block of factor x factor pixels of a square RGB picture averaged into one, rounded.
std::vector<unsigned char> shrink(const std::vector<unsigned char>& rgb, int size, int factor);

struct Panel {
    std::vector<unsigned char> rgb;  // panelSize x panelSize, rows top-down
    std::string caption;
};

// The panels left to right on a dark band, their captions centred under them.
RgbImage layOutStrip(const std::vector<Panel>& panels, int panelSize);
