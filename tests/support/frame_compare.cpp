// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/frame_compare.h"

#include <cstdlib>
#include <fstream>

namespace {

bool within(const Picture& a, int ax, int ay, const Picture& b, int bx, int by, int tolerance) {
    for (int channel = 0; channel < 3; ++channel) {
        if (std::abs(a.at(ax, ay, channel) - b.at(bx, by, channel)) > tolerance) {
            return false;
        }
    }
    return true;
}

// Whether a's pixel at (x, y) matches b's there or one of its eight neighbours.
bool matchedNearby(const Picture& a, int x, int y, const Picture& b, int tolerance) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < b.width && ny < b.height &&
                within(a, x, y, b, nx, ny, tolerance)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

FrameDifference compareFrames(const Picture& drawn, const Picture& reference, int tolerance) {
    if (drawn.width != reference.width || drawn.height != reference.height || drawn.width == 0 ||
        drawn.rgb.size() != size_t(drawn.width) * drawn.height * 3 ||
        reference.rgb.size() != drawn.rgb.size()) {
        return {};
    }
    long samePlace = 0;
    long drawnUnmatched = 0;
    long referenceUnmatched = 0;
    for (int y = 0; y < drawn.height; ++y) {
        for (int x = 0; x < drawn.width; ++x) {
            if (within(drawn, x, y, reference, x, y, tolerance)) {
                continue;
            }
            ++samePlace;
            drawnUnmatched += matchedNearby(drawn, x, y, reference, tolerance) ? 0 : 1;
            referenceUnmatched += matchedNearby(reference, x, y, drawn, tolerance) ? 0 : 1;
        }
    }
    const double pixels = double(drawn.width) * drawn.height;
    FrameDifference difference;
    difference.samePlace = 100.0 * samePlace / pixels;
    difference.drawnUnmatched = 100.0 * drawnUnmatched / pixels;
    difference.referenceUnmatched = 100.0 * referenceUnmatched / pixels;
    return difference;
}

Picture readPpm(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maximum = 0;
    Picture picture;
    in >> magic >> picture.width >> picture.height >> maximum;
    in.get();  // the one white-space character before the pixels
    if (!in || magic != "P6" || maximum != 255 || picture.width <= 0 || picture.height <= 0) {
        return {};
    }
    picture.rgb.resize(size_t(picture.width) * picture.height * 3);
    in.read(reinterpret_cast<char*>(picture.rgb.data()), std::streamsize(picture.rgb.size()));
    if (in.gcount() != std::streamsize(picture.rgb.size())) {
        return {};
    }
    return picture;
}
