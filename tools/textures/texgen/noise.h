// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Tiling value noise in integer fixed point, one lattice at a time or several octaves summed.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tools/textures/texgen/image.h"

constexpr int kFixedOne = 65536;  // 1.0 in the 16.16 fixed point used by the noise

// Value noise on a lattice that wraps: cellsX by cellsY random values, each cell spanning
// cellWidth by cellHeight pixels, so the whole pattern repeats every cellsX * cellWidth pixels.
class PeriodicNoise {
  public:
    PeriodicNoise(Random& random, int cellsX, int cellsY, int cellWidth, int cellHeight)
        : cellsX_(cellsX),
          cellsY_(cellsY),
          cellWidth_(cellWidth),
          cellHeight_(cellHeight),
          lattice_(cellsX * cellsY) {
        for (int& v : lattice_) {
            v = static_cast<int>(random.next() >> 16);
        }
    }

    // 0 .. 65535 at pixel (x, y); any x and y, the pattern wraps.
    int at(int x, int y) const {
        const int spanX = cellsX_ * cellWidth_;
        const int spanY = cellsY_ * cellHeight_;
        x = ((x % spanX) + spanX) % spanX;
        y = ((y % spanY) + spanY) % spanY;
        const int cx = x / cellWidth_, cy = y / cellHeight_;
        const int fx = smooth((x % cellWidth_) * kFixedOne / cellWidth_);
        const int fy = smooth((y % cellHeight_) * kFixedOne / cellHeight_);
        const int nx = (cx + 1) % cellsX_, ny = (cy + 1) % cellsY_;
        const int top = lerp(value(cx, cy), value(nx, cy), fx);
        const int bottom = lerp(value(cx, ny), value(nx, ny), fx);
        return lerp(top, bottom, fy);
    }

  private:
    int value(int cx, int cy) const { return lattice_[cy * cellsX_ + cx]; }
    static int lerp(int a, int b, int t) {
        return a + static_cast<int>((static_cast<int64_t>(b - a) * t) >> 16);
    }
    // 3t^2 - 2t^3 in 16.16: cells blend without visible creases.
    static int smooth(int t) {
        const int64_t t2 = (static_cast<int64_t>(t) * t) >> 16;
        return static_cast<int>((t2 * (3 * kFixedOne - 2 * static_cast<int64_t>(t))) >> 16);
    }

    int cellsX_, cellsY_, cellWidth_, cellHeight_;
    std::vector<int> lattice_;
};

// Several octaves of periodic noise over one image, weighted and summed to 0 .. 65535.
class Fractal {
  public:
    struct Octave {
        int cellWidth, cellHeight, weight;
    };
    Fractal(Random& random, int width, int height, std::initializer_list<Octave> octaves) {
        for (const Octave& o : octaves) {
            layers_.emplace_back(random, width / o.cellWidth, height / o.cellHeight, o.cellWidth,
                                 o.cellHeight);
            weights_.push_back(o.weight);
            totalWeight_ += o.weight;
        }
    }
    int at(int x, int y) const {
        int64_t sum = 0;
        for (size_t i = 0; i < layers_.size(); ++i) {
            sum += static_cast<int64_t>(layers_[i].at(x, y)) * weights_[i];
        }
        return static_cast<int>(sum / totalWeight_);
    }

  private:
    std::vector<PeriodicNoise> layers_;
    std::vector<int> weights_;
    int totalWeight_ = 0;
};

// Sums of several noise octaves cluster round the middle; this spreads 0x4000..0xC000 to 0..255.
inline int contrast(int noise) {
    const int v = (noise - 0x4000) * 256 / 0x8000;
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}
