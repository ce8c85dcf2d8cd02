// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// xwd2png IN.xwd OUT.png: turns an X window dump of a TrueColor screen (what `xwd -id WIN` or
// `xwd -root` writes on Xvfb) into a PNG, so screenshots of the programs can be looked at and kept.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "tools/pictures/png_write.h"

namespace {

// The fixed part of the dump header: 25 big-endian 32-bit fields, in this order.
enum XwdField {
    kHeaderSize,
    kFileVersion,
    kPixmapFormat,
    kPixmapDepth,
    kPixmapWidth,
    kPixmapHeight,
    kXOffset,
    kByteOrder,
    kBitmapUnit,
    kBitmapBitOrder,
    kBitmapPad,
    kBitsPerPixel,
    kBytesPerLine,
    kVisualClass,
    kRedMask,
    kGreenMask,
    kBlueMask,
    kBitsPerRgb,
    kColormapEntries,
    kNColors,
    kFieldCount = 25
};

constexpr uint32_t kXwdVersion = 7;
constexpr uint32_t kZPixmap = 2;
constexpr uint32_t kMsbFirst = 1;
constexpr uint32_t kTrueColor = 4;
constexpr uint32_t kDirectColor = 5;
constexpr size_t kColorEntryBytes = 12;

uint32_t bigEndian32(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Scales the bits of one channel mask to 0..255, whatever its position and width.
unsigned char channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    int shift = 0;
    while (((mask >> shift) & 1u) == 0) {
        ++shift;
    }
    const uint32_t max = mask >> shift;
    const uint32_t value = (pixel & mask) >> shift;
    return static_cast<unsigned char>((value * 255u + max / 2) / max);
}

int fail(const char* what) {
    std::fprintf(stderr, "xwd2png: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: xwd2png IN.xwd OUT.png\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        return fail("cannot read the dump");
    }
    const std::vector<unsigned char> dump{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    if (dump.size() < kFieldCount * 4) {
        return fail("file too short for a dump header");
    }
    uint32_t field[kFieldCount];
    for (int i = 0; i < kFieldCount; ++i) {
        field[i] = bigEndian32(dump.data() + 4 * i);
    }
    if (field[kFileVersion] != kXwdVersion) {
        return fail("not a version 7 window dump");
    }
    if (field[kPixmapFormat] != kZPixmap) {
        return fail("only ZPixmap dumps are supported");
    }
    if (field[kVisualClass] != kTrueColor && field[kVisualClass] != kDirectColor) {
        return fail("only TrueColor and DirectColor dumps are supported");
    }
    const uint32_t bitsPerPixel = field[kBitsPerPixel];
    if (bitsPerPixel != 32 && bitsPerPixel != 24 && bitsPerPixel != 16) {
        return fail("only 16, 24 and 32 bits per pixel are supported");
    }
    const uint32_t width = field[kPixmapWidth];
    const uint32_t height = field[kPixmapHeight];
    const uint64_t stride = field[kBytesPerLine];
    const uint32_t bytesPerPixel = bitsPerPixel / 8;
    if (width == 0 || height == 0 || width > 65535 || height > 65535 ||
        stride < uint64_t{width} * bytesPerPixel) {
        return fail("bad image size in the header");
    }
    const uint64_t imageStart =
        uint64_t{field[kHeaderSize]} + uint64_t{field[kNColors]} * kColorEntryBytes;
    if (field[kHeaderSize] < kFieldCount * 4 || imageStart + stride * height > dump.size()) {
        return fail("file shorter than its header says");
    }

    const bool msbFirst = field[kByteOrder] == kMsbFirst;
    std::vector<unsigned char> rgb(size_t{width} * height * 3);
    for (uint32_t y = 0; y < height; ++y) {
        const unsigned char* row = dump.data() + imageStart + stride * y;
        for (uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = row + size_t{x} * bytesPerPixel;
            uint32_t pixel = 0;
            for (uint32_t b = 0; b < bytesPerPixel; ++b) {
                const uint32_t byte = msbFirst ? p[b] : p[bytesPerPixel - 1 - b];
                pixel = (pixel << 8) | byte;
            }
            unsigned char* out = &rgb[(size_t{y} * width + x) * 3];
            out[0] = channel(pixel, field[kRedMask]);
            out[1] = channel(pixel, field[kGreenMask]);
            out[2] = channel(pixel, field[kBlueMask]);
        }
    }
    if (!writePng(argv[2], static_cast<int>(width), static_cast<int>(height), rgb.data())) {
        return fail("cannot write the PNG");
    }
    return 0;
}
