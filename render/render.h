// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's scene rendering: its display callback and the pieces of its frame.
#pragma once

#include <GL/gl.h>

namespace quelmire {

// GLUT display callback: draws the whole frame from the scene state and swaps buffers.
void display();

// The pond surface under the current matrix and material, in the current render primitive.
void drawWater();

// Quelmire's forms of the mesh drawing: the land and the duck in the scene's current render
// mode. They pass its element mode on to assets::drawLand(GLenum) and assets::drawDuck(GLenum).
void drawLand();
void drawDuck();

// One tree whose trunk foot stands at (x - 5, 0, z) and whose trunk is `size` high.
void drawTree(float size, float x, float z);
// The trunk cylinder; also sets the quadric's style and texture coordinates for the frame.
void drawTrunk();
// One signpost whose post top stands at (x + 5, 0.3, z), its board showing `texture`.
void drawSignpost(GLuint texture, float x, float z);
// The square board with the texture that is bound.
void drawSignBoard();
// The 55 trees, then the two signposts.
void drawProps();

// The colour a frame clears to: the sky in sun mode, a fixed violet-blue otherwise.
struct Rgba {
    float r, g, b, a;
};
Rgba clearColour();

}  // namespace quelmire
