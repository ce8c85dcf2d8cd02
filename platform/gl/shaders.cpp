// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "platform/gl/shaders.h"

namespace layer {

namespace {

std::string attribute(ShaderAttribute location, const char* declaration) {
    return "layout(location = " + std::to_string(location) + ") in " + declaration + ";\n";
}

std::string uniform(const ShaderUniform& u) {
    return std::string("uniform ") + u.type + " " + u.name + ";\n";
}

}  // namespace

std::string vertexShaderSource() {
    return "#version 300 es\n" + attribute(kClipAttribute, "vec4 aClip") +
           attribute(kColourAttribute, "vec4 aColour") +
           attribute(kTexCoordAttribute, "vec2 aTexCoord") +
           attribute(kFogAttribute, "float aFogDistance") + uniform(kPointSizeUniform) + R"(
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
}

// Fog blends the colour towards the fog colour by the factor f = exp(-density * distance),
// worked out for each fragment; alpha stays.
std::string fragmentShaderSource() {
    return "#version 300 es\nprecision highp float;\n" + uniform(kTexturedUniform) +
           uniform(kTextureUniform) + uniform(kFogUniform) + uniform(kFogDensityUniform) +
           uniform(kFogColourUniform) + R"(
in vec4 vColour;
in vec2 vTexCoord;
in float vFogDistance;
out vec4 fragColour;
void main() {
    vec4 colour = vColour;
    if (uTextured) {
        colour *= texture(uTexture, vTexCoord);
    }
    if (uFog) {
        float f = clamp(exp(-uFogDensity * vFogDistance), 0.0, 1.0);
        colour.rgb = mix(uFogColour.rgb, colour.rgb, f);
    }
    fragColour = colour;
}
)";
}

}  // namespace layer
