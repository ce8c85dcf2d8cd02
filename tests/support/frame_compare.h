// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// How far a frame drawn on the browser platform is from the desktop's frame of the same moment.
// Two rasterisers may put an edge or a line a pixel apart by their own rules, so a pixel counts
// as wrong only if it differs from the reference's pixel at the same place and from all eight
// of its neighbours; wrong lighting, fog or texturing differs everywhere.
#pragma once

#include <string>

#include "tests/support/pictures.h"

// Shares of the frame's pixels, in percent, that differ by more than `tolerance` of 255 in
// some channel from the reference pixel at the same place, and from that one and its eight
// neighbours alike.
struct FrameDifference {
    double samePlace = 100;
    double beyondNeighbours = 100;
};

FrameDifference compareFrames(const Picture& drawn, const Picture& reference, int tolerance = 8);

// A binary PPM (P6, 255) as momentshot writes it; an empty picture if the file is not one.
Picture readPpm(const fs::path& path);
