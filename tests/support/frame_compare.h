// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// How far a frame drawn on the browser platform is from the desktop's frame of the same moment.
// Two rasterisers may put an edge or a line a pixel apart by their own rules, so a pixel of
// either frame counts as wrong only if no pixel of the other frame matches it, at the same
// place or at any of the eight around it. Looking both ways matters: a line that one frame
// lacks leaves background beside the other frame's line, so the lacking frame's pixels all
// find a match, and only the other frame's line pixels find none. Wrong lighting, fog or
// texturing differs everywhere.
#pragma once

#include <algorithm>
#include <string>

#include "tests/support/pictures.h"

// Shares of a frame's pixels, in percent. A pixel matches another if they differ by at most
// `tolerance` of 255 in every channel.
struct FrameDifference {
    // Pixels that do not match the other frame's pixel at the same place.
    double samePlace = 100;
    // The drawn frame's pixels that match none of the reference's nine around the same place:
    // what the drawn frame has that the reference lacks.
    double drawnUnmatched = 100;
    // The reference's pixels that match none of the drawn frame's nine: what the drawn frame
    // lacks.
    double referenceUnmatched = 100;
    // The larger of the two, which the tests judge: a limit on it holds each way.
    double bothWays() const { return std::max(drawnUnmatched, referenceUnmatched); }
};

FrameDifference compareFrames(const Picture& drawn, const Picture& reference, int tolerance = 8);

// A binary PPM (P6, 255) as momentshot writes it; an empty picture if the file is not one.
Picture readPpm(const fs::path& path);
