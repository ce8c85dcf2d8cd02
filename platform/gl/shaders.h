// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The renderer's one program, in GLSL ES 3.00: vertices arrive finished, so the vertex shader
// only hands them on; the fragment shader modulates by the texture and applies fog. What the
// shaders and the renderer share, the attribute locations and the uniforms, is written here once
// and put into the shaders' sources from here.
#pragma once

#include <string>

namespace layer {

// Attribute locations, as the vertex shader's layout qualifiers give them.
enum ShaderAttribute : unsigned {
    kClipAttribute,
    kColourAttribute,
    kTexCoordAttribute,
    kFogAttribute
};

// A uniform as the shaders declare it. Every one is used, so that each has a location.
struct ShaderUniform {
    const char* type;
    const char* name;
};
// The surface's scale: a point covers one window pixel.
inline constexpr ShaderUniform kPointSizeUniform{"float", "uPointSize"};
inline constexpr ShaderUniform kTexturedUniform{"bool", "uTextured"};
inline constexpr ShaderUniform kTextureUniform{"sampler2D", "uTexture"};
// Exponential fog: on or off, its density and its colour.
inline constexpr ShaderUniform kFogUniform{"bool", "uFog"};
inline constexpr ShaderUniform kFogDensityUniform{"float", "uFogDensity"};
inline constexpr ShaderUniform kFogColourUniform{"vec4", "uFogColour"};

std::string vertexShaderSource();
std::string fragmentShaderSource();

}  // namespace layer
