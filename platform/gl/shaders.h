// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The renderer's one program, in GLSL ES 3.00: vertices arrive finished, so the vertex shader
// only hands them on; the fragment shader modulates by the texture and applies fog.
#pragma once

namespace layer {

// Attribute locations, bound before linking.
enum ShaderAttribute : unsigned {
    kClipAttribute,
    kColourAttribute,
    kTexCoordAttribute,
    kFogAttribute
};

extern const char* const kVertexShaderSource;
extern const char* const kFragmentShaderSource;

// The vertex shader's uPointSize is the surface's scale: a point covers one window pixel.

// The fragment shader's uFogMode.
enum ShaderFogMode : int { kNoFog = 0, kLinearFog = 1, kExpFog = 2, kExp2Fog = 3 };

}  // namespace layer
