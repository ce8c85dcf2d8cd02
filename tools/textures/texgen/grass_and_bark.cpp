// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The two tiling textures, grass and bark. Every noise lattice wraps with a period that divides
// the image size, and every stroke drawn across an edge continues on the opposite edge.
#include "tools/textures/texgen/noise.h"
#include "tools/textures/texgen/paintings.h"

// ---- Grass: a meadow seen from far away: soft patches of greens, darker clumps, fine blades.

Image paintGrass(int size) {
    Random random(0x67726173);  // "gras"
    Image image(size, size);
    const Fractal tone(random, size, size,
                       {{128, 128, 3}, {64, 64, 3}, {32, 32, 2}, {16, 16, 2}, {8, 8, 1}});
    const Fractal hue(random, size, size, {{256, 256, 2}, {128, 128, 2}, {64, 64, 1}});
    const Fractal clumps(random, size, size, {{16, 16, 2}, {8, 8, 2}, {4, 4, 1}});
    const Fractal grain(random, size, size, {{4, 4, 1}, {2, 2, 1}});

    const Color deep{54, 92, 30}, light{100, 144, 50}, dry{138, 142, 64};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Color c = Image::mix(deep, light, contrast(tone.at(x, y)));
            // Sun-dried patches drift towards straw; kept faint so nothing reads as a stain.
            c = Image::mix(c, dry, contrast(hue.at(x, y)) * 90 / 256);
            const int clump = contrast(clumps.at(x, y));
            if (clump > 180) {
                c = scale(c, 256 - (clump - 180) * 50 / 76);
            }
            c = scale(c, 232 + contrast(grain.at(x, y)) * 48 / 256);
            image.set(x, y, c);
        }
    }

    // Short, nearly upright blades, light and dark; they wrap across the edges like everything.
    const Color bladeLight{150, 184, 82}, bladeDark{28, 58, 20};
    for (int i = 0; i < 26000; ++i) {
        const int x0 = random.range(0, size - 1);
        const int y0 = random.range(0, size - 1);
        const int length = random.range(3, 7);
        const int lean = random.range(-2, 2);
        const bool isLight = random.range(0, 2) == 0;
        const int alpha = random.range(50, 110);
        for (int step = 0; step < length; ++step) {
            image.blendWrapped(x0 + lean * step / length, y0 - step,
                               isLight ? bladeLight : bladeDark,
                               alpha * (length - step / 2) / length);
        }
    }
    return image;
}

// ---- Bark: vertical ridges and dark furrows that wander a little, tiling round and along.

Image paintWood(int size) {
    Random random(0x6261726b);  // "bark"
    Image image(size, size);
    // Cells tall and narrow: ridges run along the trunk (t, image rows) and repeat round it (s).
    const Fractal ridges(random, size, size, {{8, 128, 4}, {4, 64, 2}, {2, 32, 1}});
    const Fractal wander(random, size, size, {{32, 64, 2}, {16, 32, 1}});
    const Fractal plates(random, size, size, {{16, 4, 2}, {8, 4, 1}});
    const Fractal tint(random, size, size, {{64, 64, 2}, {32, 32, 1}});
    const Fractal grain(random, size, size, {{2, 8, 1}, {1, 4, 1}});

    const Color furrow{34, 24, 16}, ridge{132, 104, 74}, lichen{118, 122, 90};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Shifting the lookup sideways bends the ridges a little; the shift itself wraps.
            const int shift = (contrast(wander.at(x, y)) - 128) / 24;
            const int r = contrast(ridges.at(x + shift, y));
            // Furrows are the narrow low parts; ridges are broad with rounded tops.
            int height = r < 80 ? r * r / 80 * 120 / 80 : 120 + (r - 80) * 136 / 176;
            // Where the plate noise dips, a ridge is broken across, as on old bark.
            const int plate = contrast(plates.at(x, y));
            if (plate < 24 && height > 120) {
                height = height * (128 + plate * 5) / 256;
            }
            Color c = Image::mix(furrow, ridge, height);
            c = Image::mix(c, lichen, contrast(tint.at(x, y)) * 60 / 256);
            c = scale(c, 216 + contrast(grain.at(x, y)) * 64 / 256);
            image.set(x, y, c);
        }
    }
    return image;
}
