// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tools/docs_pictures/strip.h"

#include <algorithm>

#include "tools/pictures/lettering.h"

namespace {

constexpr int kGap = 4;  // band between panels and round the edge, pixels
constexpr int kCaptionScale = 2;
constexpr int kCaptionBand = 26;  // below each panel, holding the 14-pixel-high caption
constexpr unsigned char kBand[3] = {40, 40, 44};
constexpr unsigned char kInk[3] = {236, 236, 230};

}  // namespace

std::vector<unsigned char> shrink(const std::vector<unsigned char>& rgb, int size, int factor) {
    const int small = size / factor;
    const int area = factor * factor;
    std::vector<unsigned char> out(static_cast<size_t>(small) * small * 3);
    for (int y = 0; y < small; ++y) {
        for (int x = 0; x < small; ++x) {
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < factor; ++dy) {
                    for (int dx = 0; dx < factor; ++dx) {
                        const size_t i =
                            static_cast<size_t>(y * factor + dy) * size + (x * factor + dx);
                        sum += rgb[3 * i + c];
                    }
                }
                out[3 * (static_cast<size_t>(y) * small + x) + c] =
                    static_cast<unsigned char>((sum + area / 2) / area);
            }
        }
    }
    return out;
}

RgbImage layOutStrip(const std::vector<Panel>& panels, int panelSize) {
    RgbImage strip;
    const int count = static_cast<int>(panels.size());
    strip.width = kGap + count * (panelSize + kGap);
    strip.height = kGap + panelSize + kCaptionBand;
    strip.rgb.resize(static_cast<size_t>(strip.width) * strip.height * 3);
    for (size_t i = 0; i < strip.rgb.size(); ++i) {
        strip.rgb[i] = kBand[i % 3];
    }
    const RgbPicture picture{strip.rgb.data(), strip.width, strip.height};
    const size_t panelRow = static_cast<size_t>(panelSize) * 3;
    for (int p = 0; p < count; ++p) {
        const int left = kGap + p * (panelSize + kGap);
        for (int y = 0; y < panelSize; ++y) {
            std::copy_n(&panels[p].rgb[panelRow * y], panelRow,
                        &strip.rgb[(static_cast<size_t>(kGap + y) * strip.width + left) * 3]);
        }
        const int textHeight = kGlyphRows * kCaptionScale;
        const int top = kGap + panelSize + (kCaptionBand - textHeight) / 2;
        const int centred = left + (panelSize - textWidth(panels[p].caption, kCaptionScale)) / 2;
        drawText(picture, panels[p].caption, centred, top, kCaptionScale, kInk);
    }
    return strip;
}
