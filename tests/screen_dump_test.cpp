// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The screen-dump converter (xwd2png), which makes the screenshots of `make run` without a
// display: hand-made dumps of every byte order and colour mask, a file that is not a dump, and a
// real xwd dump of a window on the test's display.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
// After gtest: Xlib defines macros (None, Bool) that gtest's own names would collide with.
#include <X11/Xlib.h>

#include "tests/support/paths.h"
#include "tests/support/pictures.h"

namespace {

void putBig32(std::vector<unsigned char>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(v >> shift));
    }
}

struct DumpLayout {
    bool msbFirst;
    uint32_t redMask, greenMask, blueMask;
};

// A 3 x 2 ZPixmap dump at 32 bits per pixel with padded rows, a window name and two colormap
// entries, as xwd writes them; the pad bytes hold junk that must not reach the picture.
std::vector<unsigned char> handMadeDump(const DumpLayout& layout,
                                        const std::vector<unsigned char>& rgb) {
    const uint32_t width = 3, height = 2, stride = 16, ncolors = 2;
    const std::string name = "probe";
    std::vector<unsigned char> dump;
    const uint32_t fields[25] = {100 + uint32_t(name.size()) + 1,
                                 7,
                                 2,
                                 24,
                                 width,
                                 height,
                                 0,
                                 layout.msbFirst ? 1u : 0u,
                                 32,
                                 layout.msbFirst ? 1u : 0u,
                                 32,
                                 32,
                                 stride,
                                 4,
                                 layout.redMask,
                                 layout.greenMask,
                                 layout.blueMask,
                                 8,
                                 256,
                                 ncolors,
                                 width,
                                 height,
                                 0,
                                 0,
                                 0};
    for (uint32_t f : fields) {
        putBig32(dump, f);
    }
    dump.insert(dump.end(), name.begin(), name.end());
    dump.push_back(0);
    dump.insert(dump.end(), ncolors * 12, 0x5a);
    auto shiftOf = [](uint32_t mask) {
        int s = 0;
        while (((mask >> s) & 1u) == 0) {
            ++s;
        }
        return s;
    };
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = &rgb[(y * width + x) * 3];
            const uint32_t pixel = (uint32_t(p[0]) << shiftOf(layout.redMask)) |
                                   (uint32_t(p[1]) << shiftOf(layout.greenMask)) |
                                   (uint32_t(p[2]) << shiftOf(layout.blueMask));
            for (int b = 0; b < 4; ++b) {
                const int shift = layout.msbFirst ? 24 - 8 * b : 8 * b;
                dump.push_back(static_cast<unsigned char>(pixel >> shift));
            }
        }
        dump.insert(dump.end(), stride - width * 4, 0xee);
    }
    return dump;
}

int runXwd2png(const fs::path& in, const fs::path& out) {
    return run(xwd2pngPath() + " " + quoted(in) + " " + quoted(out) + " 2>/dev/null");
}

class ScreenDumpLayouts : public ::testing::TestWithParam<DumpLayout> {};

TEST_P(ScreenDumpLayouts, ConvertsEveryPixelToItsOwnColour) {
    const std::vector<unsigned char> rgb = {255, 0,   0, 0, 255, 0, 0,   0,   255,
                                            255, 128, 0, 1, 2,   3, 255, 255, 255};
    const fs::path dir = makeTempDir();
    {
        const std::vector<unsigned char> dump = handMadeDump(GetParam(), rgb);
        std::ofstream(dir / "probe.xwd", std::ios::binary)
            .write(reinterpret_cast<const char*>(dump.data()), std::streamsize(dump.size()));
    }
    ASSERT_EQ(runXwd2png(dir / "probe.xwd", dir / "probe.png"), 0);
    const Picture png = readPng(dir / "probe.png");
    EXPECT_EQ(png.width, 3);
    EXPECT_EQ(png.height, 2);
    EXPECT_EQ(png.rgb, rgb);
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(ByteOrdersAndMasks, ScreenDumpLayouts,
                         ::testing::Values(DumpLayout{false, 0xff0000, 0x00ff00, 0x0000ff},
                                           DumpLayout{true, 0xff0000, 0x00ff00, 0x0000ff},
                                           DumpLayout{false, 0x0000ff, 0x00ff00, 0xff0000}));

TEST(ScreenDumpConverter, RefusesAFileThatIsNotADumpAndWritesNothing) {
    const fs::path dir = makeTempDir();
    std::ofstream(dir / "junk.xwd") << "this is not a window dump, only some text";
    EXPECT_EQ(runXwd2png(dir / "junk.xwd", dir / "junk.png"), 1);
    EXPECT_FALSE(fs::exists(dir / "junk.png"));
    fs::remove_all(dir);
}

TEST(ScreenDumpConverter, ConvertsARealXwdDumpOfAWindow) {
    // The test's own virtual display (tools/pictures/with-xvfb.sh).
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);

    // An orange 40 x 30 window with a blue 5 x 3 patch in its top-left corner shows both the
    // colours and which way up the picture comes out.
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 10, 20, 40, 30, 0, 0, 0xff8000);
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != Expose);
    const GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, 0x0040c0);
    XFillRectangle(display, window, gc, 0, 0, 5, 3);
    XSync(display, False);

    const fs::path dir = makeTempDir();
    const std::string xwd =
        "xwd -silent -id " + std::to_string(window) + " -out " + quoted(dir / "window.xwd");
    ASSERT_EQ(run(xwd), 0);
    XFreeGC(display, gc);
    XCloseDisplay(display);

    ASSERT_EQ(runXwd2png(dir / "window.xwd", dir / "window.png"), 0);
    const Picture png = readPng(dir / "window.png");
    ASSERT_EQ(png.width, 40);
    ASSERT_EQ(png.height, 30);
    auto colourAt = [&](int x, int y) {
        return std::vector<int>{png.at(x, y, 0), png.at(x, y, 1), png.at(x, y, 2)};
    };
    const std::vector<int> blue{0x00, 0x40, 0xc0}, orange{0xff, 0x80, 0x00};
    EXPECT_EQ(colourAt(0, 0), blue);
    EXPECT_EQ(colourAt(4, 2), blue);
    EXPECT_EQ(colourAt(5, 2), orange);
    EXPECT_EQ(colourAt(4, 3), orange);
    EXPECT_EQ(colourAt(39, 29), orange);
    fs::remove_all(dir);
}

}  // namespace
