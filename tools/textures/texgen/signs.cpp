// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The two signs: a framed picture with a word under it, bold enough to read on a small board.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tools/pictures/lettering.h"
#include "tools/textures/texgen/noise.h"
#include "tools/textures/texgen/paintings.h"

namespace {

// Shapes are tested at 4 x 4 points per pixel for smooth edges. Positions are in eighths of a
// pixel; the sample points sit at odd eighths, the centres of the sixteen sub-squares.
constexpr int kSub = 8;

struct Shape {
    virtual ~Shape() = default;
    virtual bool contains(int64_t sx, int64_t sy) const = 0;
};

struct Ellipse : Shape {
    int64_t cx, cy, rx, ry;
    Ellipse(int centreX, int centreY, int radiusX, int radiusY)
        : cx(centreX * kSub), cy(centreY * kSub), rx(radiusX * kSub), ry(radiusY * kSub) {}
    bool contains(int64_t sx, int64_t sy) const override {
        const int64_t dx = sx - cx, dy = sy - cy;
        return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
    }
};

struct Box : Shape {
    int64_t left, top, right, bottom;  // right and bottom are exclusive
    Box(int x0, int y0, int x1, int y1)
        : left(x0 * kSub), top(y0 * kSub), right(x1 * kSub), bottom(y1 * kSub) {}
    bool contains(int64_t sx, int64_t sy) const override {
        return sx >= left && sx < right && sy >= top && sy < bottom;
    }
};

// Convex polygon with corners in either winding.
struct Polygon : Shape {
    std::vector<int64_t> xs, ys;
    Polygon(std::initializer_list<std::pair<int, int>> corners) {
        for (const auto& c : corners) {
            xs.push_back(c.first * kSub);
            ys.push_back(c.second * kSub);
        }
    }
    bool contains(int64_t sx, int64_t sy) const override {
        bool anyPositive = false, anyNegative = false;
        for (size_t i = 0; i < xs.size(); ++i) {
            const size_t j = (i + 1) % xs.size();
            const int64_t cross = (xs[j] - xs[i]) * (sy - ys[i]) - (ys[j] - ys[i]) * (sx - xs[i]);
            anyPositive = anyPositive || cross > 0;
            anyNegative = anyNegative || cross < 0;
        }
        return !(anyPositive && anyNegative);
    }
};

void fill(Image& image, const Shape& shape, Color color) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int covered = 0;
            for (int j = 0; j < 4; ++j) {
                for (int i = 0; i < 4; ++i) {
                    covered += shape.contains(x * kSub + 2 * i + 1, y * kSub + 2 * j + 1);
                }
            }
            if (covered > 0) {
                image.set(x, y, Image::mix(image.get(x, y), color, covered * 16));
            }
        }
    }
}

// Draws word centred on centreX with its top at top, each font dot a scale x scale square,
// with a soft shadow down and right so the letters stand off the board.
void drawWord(Image& image, const std::string& word, int centreX, int top, int scale, Color ink,
              Color shadow) {
    const int advance = 6 * scale + scale / 2;
    const int width = static_cast<int>(word.size()) * advance - advance + kGlyphColumns * scale;
    const int left = centreX - width / 2;
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? scale / 3 : 0;
        for (size_t i = 0; i < word.size(); ++i) {
            const Glyph* glyph = glyphFor(word[i]);
            for (int row = 0; glyph && row < kGlyphRows; ++row) {
                for (int col = 0; col < kGlyphColumns; ++col) {
                    if (glyph->rows[row][col] != '#') {
                        continue;
                    }
                    const int x = left + static_cast<int>(i) * advance + col * scale + offset;
                    const int y = top + row * scale + offset;
                    fill(image, Box(x, y, x + scale, y + scale), pass == 0 ? shadow : ink);
                }
            }
        }
    }
}

constexpr int kFrame = 14;           // width of the wooden frame, pixels
constexpr int kPictureBottom = 170;  // the picture above, the word's band below
constexpr int kWordTop = 186;
constexpr int kWordScale = 6;
const Color kInk{34, 26, 20}, kPaint{236, 226, 196}, kPaintShadow{190, 176, 146};

// The wooden frame and the painted band for the word, shared by both signs.
void paintBoard(Image& image, Random& random) {
    const int size = image.width();
    const Fractal grain(random, size, size, {{64, 8, 2}, {32, 4, 2}, {8, 2, 1}});
    const Color dark{70, 44, 24}, light{130, 88, 52};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            image.set(x, y, Image::mix(dark, light, contrast(grain.at(x, y))));
        }
    }
    // A bevel: light on the inner top-left edge, dark on the bottom-right, as if carved.
    fill(image, Box(kFrame - 3, kFrame - 3, size - kFrame + 3, size - kFrame + 3), {60, 36, 18});
    fill(image, Box(kFrame - 3, kFrame - 3, size - kFrame, size - kFrame), {170, 128, 84});
    fill(image, Box(kFrame, kPictureBottom, size - kFrame, size - kFrame), kPaint);
    fill(image, Box(kFrame, kPictureBottom, size - kFrame, kPictureBottom + 3), {60, 36, 18});
}

}  // namespace

Image paintDuckSign(int size) {
    Random random(0x6475636b);  // "duck"
    Image image(size, size);
    paintBoard(image, random);

    const int waterTop = 128;
    fill(image, Box(kFrame, kFrame, size - kFrame, waterTop), {150, 204, 236});
    fill(image, Ellipse(206, 46, 16, 16), {255, 236, 140});  // the sun
    fill(image, Box(kFrame, waterTop, size - kFrame, kPictureBottom), {38, 104, 176});

    // A yellow duck swimming to the right: tail, body, wing, neck, head, beak, eye.
    const Color feather{250, 206, 40}, wing{222, 162, 24}, beak{240, 110, 30};
    fill(image, Polygon({{58, 96}, {94, 112}, {80, 130}}), feather);
    fill(image, Ellipse(122, 120, 56, 30), feather);
    fill(image, Ellipse(114, 112, 30, 14), wing);
    fill(image, Polygon({{86, 104}, {104, 98}, {96, 110}}), wing);
    fill(image, Ellipse(160, 96, 18, 24), feather);
    fill(image, Ellipse(168, 70, 25, 23), feather);
    fill(image, Polygon({{186, 72}, {216, 76}, {214, 84}, {186, 86}}), beak);
    fill(image, Ellipse(214, 80, 4, 4), beak);
    fill(image, Ellipse(174, 62, 5, 6), {20, 20, 30});
    fill(image, Ellipse(176, 60, 2, 2), {255, 255, 255});

    // The water line hides the duck's keel, then light ripples on the water.
    fill(image, Box(kFrame, 136, size - kFrame, kPictureBottom), {38, 104, 176});
    fill(image, Ellipse(126, 136, 66, 3), {30, 84, 150});
    const Color ripple{140, 196, 236};
    fill(image, Ellipse(60, 146, 18, 2), ripple);
    fill(image, Ellipse(150, 152, 26, 2), ripple);
    fill(image, Ellipse(206, 142, 16, 2), ripple);
    fill(image, Ellipse(96, 160, 22, 2), ripple);
    fill(image, Ellipse(196, 162, 18, 2), ripple);

    drawWord(image, "DUCKS", size / 2, kWordTop, kWordScale, kInk, kPaintShadow);
    return image;
}

Image paintTreeSign(int size) {
    Random random(0x74726565);  // "tree"
    Image image(size, size);
    paintBoard(image, random);

    const int groundTop = 146;
    fill(image, Box(kFrame, kFrame, size - kFrame, groundTop), {246, 222, 160});
    fill(image, Box(kFrame, groundTop, size - kFrame, kPictureBottom), {96, 150, 54});
    fill(image, Ellipse(128, groundTop + 2, 40, 6), {70, 116, 40});  // the tree's shadow

    // Trunk with two boughs, then the crown as heaped round clusters, dark below, light above.
    const Color bark{104, 66, 36};
    fill(image, Polygon({{116, 148}, {140, 148}, {134, 90}, {122, 90}}), bark);
    fill(image, Polygon({{124, 106}, {128, 100}, {104, 78}, {98, 82}}), bark);
    fill(image, Polygon({{130, 104}, {134, 110}, {160, 84}, {154, 80}}), bark);
    const Color leafDark{34, 96, 38}, leaf{58, 138, 48}, leafLight{110, 178, 70};
    fill(image, Ellipse(90, 86, 30, 26), leafDark);
    fill(image, Ellipse(166, 86, 30, 26), leafDark);
    fill(image, Ellipse(128, 96, 34, 18), leafDark);
    fill(image, Ellipse(102, 62, 32, 28), leaf);
    fill(image, Ellipse(154, 62, 32, 28), leaf);
    fill(image, Ellipse(128, 46, 34, 28), leaf);
    fill(image, Ellipse(118, 40, 16, 12), leafLight);
    fill(image, Ellipse(92, 58, 12, 10), leafLight);
    fill(image, Ellipse(150, 52, 14, 10), leafLight);
    // A few red apples make the tree read as a tree even when small.
    const Color apple{210, 40, 36};
    fill(image, Ellipse(100, 84, 6, 6), apple);
    fill(image, Ellipse(146, 78, 6, 6), apple);
    fill(image, Ellipse(126, 66, 6, 6), apple);
    fill(image, Ellipse(170, 96, 6, 6), apple);

    drawWord(image, "TREES", size / 2, kWordTop, kWordScale, kInk, kPaintShadow);
    return image;
}
