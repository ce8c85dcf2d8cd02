// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// OpenGL 1.1's per-vertex work, done here rather than in a shader: the modelview and projection
// transforms, the normal transform, lighting with an infinite viewer and the eye distance that
// fog needs. The renderer gets finished vertices, so matrix, light and material changes never
// split a batch.
#pragma once

#include <array>

#include "platform/gl/context.h"

namespace layer {

// A vertex as WebGL receives it.
struct GpuVertex {
    std::array<float, 4> clip;
    std::array<float, 4> colour;
    std::array<float, 2> texCoord;
    float fogDistance;
};

class VertexPipeline {
  public:
    // Takes the matrices, switches and light of the moment.
    explicit VertexPipeline(const Context& gl);
    GpuVertex process(const VertexInput& vertex) const;

  private:
    Vec4 lightVertex(const Vec4& eye, const std::array<float, 3>& normal) const;

    Matrix modelview_;
    Matrix projection_;
    std::array<float, 9> normalMatrix_;  // row-major inverse transpose of the modelview's 3 x 3
    bool normalize_;
    const LightingState& lighting_;
};

}  // namespace layer
