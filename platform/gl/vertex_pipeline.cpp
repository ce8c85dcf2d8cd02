// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "platform/gl/vertex_pipeline.h"

#include <algorithm>
#include <cmath>

namespace layer {

namespace {

using Vec3 = std::array<float, 3>;

float dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// A zero vector stays zero rather than becoming NaN.
Vec3 normalized(const Vec3& v) {
    const float length = std::sqrt(dot(v, v));
    if (length == 0.0f) {
        return v;
    }
    return {v[0] / length, v[1] / length, v[2] / length};
}

float clamped(float value) {
    return std::min(1.0f, std::max(0.0f, value));
}

// Normals go through the inverse transpose of the modelview's upper 3 x 3; a singular matrix
// flattens every normal to zero, which lights with the ambient terms alone.
std::array<float, 9> normalMatrixOf(const Matrix& modelview) {
    const auto& m = modelview.m;
    // a(row, column) of the upper 3 x 3.
    auto a = [&m](int row, int column) { return m[column * 4 + row]; };
    const float c00 = a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1);
    const float c01 = a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2);
    const float c02 = a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0);
    const float c10 = a(0, 2) * a(2, 1) - a(0, 1) * a(2, 2);
    const float c11 = a(0, 0) * a(2, 2) - a(0, 2) * a(2, 0);
    const float c12 = a(0, 1) * a(2, 0) - a(0, 0) * a(2, 1);
    const float c20 = a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1);
    const float c21 = a(0, 2) * a(1, 0) - a(0, 0) * a(1, 2);
    const float c22 = a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
    const float determinant = a(0, 0) * c00 + a(0, 1) * c01 + a(0, 2) * c02;
    if (determinant == 0.0f) {
        return {};
    }
    // The inverse is the transposed cofactor matrix over the determinant; its transpose, the
    // normal matrix, is the cofactor matrix itself over the determinant.
    const float r = 1.0f / determinant;
    return {c00 * r, c01 * r, c02 * r, c10 * r, c11 * r, c12 * r, c20 * r, c21 * r, c22 * r};
}

// The light model's ambient colour, OpenGL's initial one: nothing here changes it.
constexpr Vec3 kModelAmbient{0.2f, 0.2f, 0.2f};

}  // namespace

VertexPipeline::VertexPipeline(const Context& gl)
    : modelview_(gl.modelview.top()),
      projection_(gl.projection.top()),
      normalMatrix_(normalMatrixOf(gl.modelview.top())),
      normalize_(gl.normalize),
      lighting_(gl.lighting) {}

GpuVertex VertexPipeline::process(const VertexInput& vertex) const {
    GpuVertex out{};
    const Vec4 eye = modelview_ * vertex.position;
    out.clip = projection_ * eye;
    if (lighting_.lighting) {
        const auto& n = vertex.normal;
        const auto& r = normalMatrix_;
        Vec3 normal{r[0] * n[0] + r[1] * n[1] + r[2] * n[2],
                    r[3] * n[0] + r[4] * n[1] + r[5] * n[2],
                    r[6] * n[0] + r[7] * n[1] + r[8] * n[2]};
        if (normalize_) {
            normal = normalized(normal);
        }
        out.colour = lightVertex(eye, normal);
    } else {
        out.colour = {1, 1, 1, 1};  // OpenGL's initial current colour, which nothing here changes
    }
    out.texCoord = vertex.texCoord;
    // Fog measures the eye's distance along its line of sight, as Mesa does.
    out.fogDistance = std::fabs(eye[2]);
    return out;
}

// OpenGL 1.1's lighting equation with one-sided lighting and an infinite viewer: the material's
// ambient under the model's, then, if light 0 is on, its ambient, diffuse and specular terms,
// attenuated by nothing (OpenGL's initial constant attenuation of 1) and with no spotlight cone.
// Clamped to [0, 1]; the alpha is the diffuse material's.
Vec4 VertexPipeline::lightVertex(const Vec4& eye, const Vec3& normal) const {
    const Material& material = lighting_.material;
    const Light& light = lighting_.light;
    Vec4 colour;
    for (int i = 0; i < 3; ++i) {
        colour[i] = material.ambient[i] * kModelAmbient[i];
    }
    if (light.enabled) {
        Vec3 toLight;
        if (light.position[3] != 0.0f) {
            const float w = light.position[3];
            const Vec3 vertex = eye[3] != 0.0f
                                    ? Vec3{eye[0] / eye[3], eye[1] / eye[3], eye[2] / eye[3]}
                                    : Vec3{eye[0], eye[1], eye[2]};
            toLight =
                normalized({light.position[0] / w - vertex[0], light.position[1] / w - vertex[1],
                            light.position[2] / w - vertex[2]});
        } else {
            toLight = normalized({light.position[0], light.position[1], light.position[2]});
        }
        const float diffuse = std::max(dot(normal, toLight), 0.0f);
        float specular = 0.0f;
        if (diffuse > 0.0f) {
            const Vec3 halfway = normalized({toLight[0], toLight[1], toLight[2] + 1.0f});
            // pow(0, 0) is 1 in C, as OpenGL wants for a shininess of 0.
            specular = std::pow(std::max(dot(normal, halfway), 0.0f), material.shininess);
        }
        for (int i = 0; i < 3; ++i) {
            colour[i] += material.ambient[i] * light.ambient[i] +
                         diffuse * material.diffuse[i] * light.diffuse[i] +
                         specular * material.specular[i] * light.specular[i];
        }
    }
    for (int i = 0; i < 3; ++i) {
        colour[i] = clamped(colour[i]);
    }
    colour[3] = clamped(material.diffuse[3]);
    return colour;
}

}  // namespace layer
