// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "platform/gl/shaders.h"

namespace layer {

const char* const kVertexShaderSource = R"(#version 300 es
layout(location = 0) in vec4 aClip;
layout(location = 1) in vec4 aColour;
layout(location = 2) in vec2 aTexCoord;
layout(location = 3) in float aFogDistance;
uniform float uPointSize;
out vec4 vColour;
out vec2 vTexCoord;
out float vFogDistance;
void main() {
    gl_Position = aClip;
    gl_PointSize = uPointSize;
    vColour = aColour;
    vTexCoord = aTexCoord;
    vFogDistance = aFogDistance;
}
)";

// Fog blends the colour towards the fog colour by the factor f of the eye distance, worked out
// for each fragment; alpha stays.
const char* const kFragmentShaderSource = R"(#version 300 es
precision highp float;
uniform bool uTextured;
uniform sampler2D uTexture;
uniform int uFogMode;
uniform vec4 uFogParameters;  // density, start, end
uniform vec4 uFogColour;
in vec4 vColour;
in vec2 vTexCoord;
in float vFogDistance;
out vec4 fragColour;
void main() {
    vec4 colour = vColour;
    if (uTextured) {
        colour *= texture(uTexture, vTexCoord);
    }
    if (uFogMode != 0) {
        float c = vFogDistance;
        float f;
        if (uFogMode == 1) {
            f = (uFogParameters.z - c) / (uFogParameters.z - uFogParameters.y);
        } else if (uFogMode == 2) {
            f = exp(-uFogParameters.x * c);
        } else {
            float d = uFogParameters.x * c;
            f = exp(-d * d);
        }
        f = clamp(f, 0.0, 1.0);
        colour.rgb = mix(uFogColour.rgb, colour.rgb, f);
    }
    fragColour = colour;
}
)";

}  // namespace layer
