// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// texgen's pixels: colours, an RGB image that strokes can wrap across, and a generator that gives
// the same numbers everywhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct Color {
    int r, g, b;
};

// A 32-bit permuted congruential generator: small, fast and the same everywhere.
class Random {
  public:
    explicit Random(uint64_t seed)
        : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    uint32_t next() {
        const uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
        const uint32_t xorShifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        const uint32_t rotation = static_cast<uint32_t>(old >> 59u);
        return (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
    }
    // Uniform in [low, high]; the tiny modulo bias does not show in a picture.
    int range(int low, int high) {
        return low + static_cast<int>(next() % static_cast<uint32_t>(high - low + 1));
    }

  private:
    uint64_t state_;
};

class Image {
  public:
    Image(int width, int height) : width_(width), height_(height), rgb_(width * height * 3, 0) {}
    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<unsigned char>& bytes() const { return rgb_; }

    Color get(int x, int y) const {
        const unsigned char* p = &rgb_[index(x, y)];
        return {p[0], p[1], p[2]};
    }
    void set(int x, int y, Color c) {
        unsigned char* p = &rgb_[index(x, y)];
        p[0] = clampByte(c.r);
        p[1] = clampByte(c.g);
        p[2] = clampByte(c.b);
    }
    // Mixes c in with weight alpha of 256; coordinates wrap so strokes continue across edges.
    void blendWrapped(int x, int y, Color c, int alpha) {
        x = ((x % width_) + width_) % width_;
        y = ((y % height_) + height_) % height_;
        set(x, y, mix(get(x, y), c, alpha));
    }

    static Color mix(Color a, Color b, int weightOf256) {
        return {a.r + (b.r - a.r) * weightOf256 / 256, a.g + (b.g - a.g) * weightOf256 / 256,
                a.b + (b.b - a.b) * weightOf256 / 256};
    }

  private:
    size_t index(int x, int y) const { return (static_cast<size_t>(y) * width_ + x) * 3; }
    static unsigned char clampByte(int v) {
        return static_cast<unsigned char>(v < 0 ? 0 : (v > 255 ? 255 : v));
    }

    int width_, height_;
    std::vector<unsigned char> rgb_;
};

inline Color scale(Color c, int per256) {
    return {c.r * per256 / 256, c.g * per256 / 256, c.b * per256 / 256};
}
