// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The cylinders and spheres of our GLU as plain data: the calls, in order, that draw one, with
// the very floats the desktop's GLU hands to OpenGL. Kept free of OpenGL so that a native test
// can set them beside the desktop's own without the two libraries' names clashing.
#pragma once

#include <vector>

namespace glu {

// OpenGL's own numbers for the primitives that the quadrics draw.
enum class Primitive : unsigned {
    Points = 0x0000,
    LineStrip = 0x0003,
    TriangleFan = 0x0006,
    QuadStrip = 0x0008,
};

enum class DrawStyle { Fill, Line, Point };

// Normals are always smooth, and shapes face outwards, as a new quadric's do.
struct QuadricStyle {
    DrawStyle draw = DrawStyle::Fill;
    bool texture = false;
};

struct QuadricCall {
    enum class Kind { Begin, End, Normal, TexCoord, Vertex };
    Kind kind;
    Primitive mode;  // Begin only
    float x, y, z;   // Normal and Vertex; TexCoord has s in x and t in y
};

// Along z from 0 to height, its radius going from base to top; slices round z, stacks along it.
// Nothing for the arguments that the desktop refuses.
std::vector<QuadricCall> cylinderCalls(const QuadricStyle& style, double base, double top,
                                       double height, int slices, int stacks);
// Centred on the origin; slices round z, stacks from +z down to -z. Nothing for the arguments
// that the desktop refuses.
std::vector<QuadricCall> sphereCalls(const QuadricStyle& style, double radius, int slices,
                                     int stacks);

}  // namespace glu
