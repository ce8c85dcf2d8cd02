// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The two embedded meshes, compiled into both programs; nothing is read at run time. The values
// are generated at build time from assets/land.obj and assets/duck.obj, which meshgen makes and
// obj2cpp checks (tools/meshes/).
//
// Flat, tightly packed arrays (stride 0): positions and normals 3 floats per vertex, texture
// coordinates 2, indices plain triangle lists of unsigned 32-bit integers. Normals are unit
// length, one per vertex, and every triangle is counter-clockwise seen from the side they face.
//
// Land: scene frame and units, y up, no transform of its own; 682 vertices, 1,358 triangles, all
// facing up. Texture coordinates are a planar projection from above (repeat wrap).
// Duck: model frame, small and centred (about 0.06 wide); it faces +y with its top toward -z, and
// is meant to be drawn scaled by 200. 3,174 vertices, 3,864 triangles, no texture coordinates.
#pragma once

namespace assets {

extern const float landVertices[];
extern const float landNormals[];
extern const float landTexCoords[];
extern const unsigned int landIndices[];
extern const float duckVertices[];
extern const float duckNormals[];
extern const unsigned int duckIndices[];
extern const int landVertexCount, landIndexCount, duckVertexCount, duckIndexCount;

}  // namespace assets
