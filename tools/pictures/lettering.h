// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// A 5 x 7 capital font, A to Z, 0 to 9 and a few marks, drawn into RGB pictures: the one
// lettering of our pictures and textures.
#pragma once

#include <string>

// A letter's dots, top row first: '#' is ink, '.' is bare.
struct Glyph {
    char letter;
    const char* rows[7];
};

inline constexpr int kGlyphColumns = 5;
inline constexpr int kGlyphRows = 7;

// The glyph of a capital, a digit, a space or one of - . , : / ( ); null for anything else.
// Small letters have no glyphs of their own: drawText draws them as capitals.
const Glyph* glyphFor(char letter);

// An RGB picture in memory, rows of width * 3 bytes top-down, written in place.
struct RgbPicture {
    unsigned char* rgb;
    int width;
    int height;
};

// Width in pixels of text whose dots are scale x scale squares, one dot column apart.
int textWidth(const std::string& text, int scale);

// Draws text with its top left corner at (left, top); what falls outside the picture is left
// out, and so are characters without a glyph (they still take their place).
void drawText(RgbPicture picture, const std::string& text, int left, int top, int scale,
              const unsigned char ink[3]);
