// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The OpenGL state that the entry points record: one context, with OpenGL 1.1's initial values
// next to the names. Plain values only (no GL headers), so that the renderer, which speaks
// WebGL, can read it too.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace layer {

using Vec4 = std::array<float, 4>;

// Column-major, as OpenGL stores matrices.
struct Matrix {
    std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};
Matrix operator*(const Matrix& a, const Matrix& b);
Vec4 operator*(const Matrix& a, const Vec4& v);

struct MatrixStack {
    std::vector<Matrix> entries{Matrix{}};
    Matrix& top() { return entries.back(); }
    const Matrix& top() const { return entries.back(); }
};

// The stacks hold this many entries, as Mesa's do; one push more overflows.
inline constexpr std::size_t kMatrixStackDepth = 32;
inline constexpr std::size_t kAttributeStackDepth = 16;

enum class MatrixMode { kModelview, kProjection };

// GL_LIGHT0, the one light the programs turn on, with its initial white diffuse and specular.
struct Light {
    Vec4 ambient{0, 0, 0, 1};
    Vec4 diffuse{1, 1, 1, 1};
    Vec4 specular{1, 1, 1, 1};
    Vec4 position{0, 0, 1, 0};  // in eye coordinates, as the modelview matrix made it
    bool enabled = false;
};

// The programs set both faces at once, and only the front one is lit.
struct Material {
    Vec4 ambient{0.2f, 0.2f, 0.2f, 1};
    Vec4 diffuse{0.8f, 0.8f, 0.8f, 1};
    Vec4 specular{0, 0, 0, 1};
    float shininess = 0;
};

// Everything that glPushAttrib(GL_LIGHTING_BIT) saves that this OpenGL keeps.
struct LightingState {
    bool lighting = false;
    Light light;
    Material material;
};

// Exponential fog (GL_EXP), the only mode the programs choose; its range (GL_FOG_START and
// GL_FOG_END) shapes linear fog alone, so it is not kept.
struct FogState {
    bool enabled = false;
    float density = 1;
    Vec4 colour{0, 0, 0, 0};
};
bool operator==(const FogState& a, const FogState& b);

// A float array, the only kind the programs hand over.
struct ClientArray {
    bool enabled = false;
    int size = 4;
    int stride = 0;
    const void* pointer = nullptr;
};

// Everything that glPushClientAttrib saves: the arrays and the pixel store.
struct ClientState {
    ClientArray vertex;
    ClientArray normal{false, 3};
    ClientArray texCoord;
    int packAlignment = 4;
};

// Textures have level 0 alone, and their minifying filter is GL_NEAREST_MIPMAP_LINEAR until it
// is set to GL_LINEAR; they magnify linearly and repeat, OpenGL's initial choices.
struct Texture {
    int width = 0;
    int height = 0;
    bool hasImage = false;
    bool minifiesLinearly = false;
    // Usable for drawing: level 0 is there and the filters need no other level.
    bool complete() const { return hasImage && width > 0 && height > 0 && minifiesLinearly; }
};

// One vertex as immediate mode or an array hands it over, in object coordinates.
struct VertexInput {
    Vec4 position{0, 0, 0, 1};
    std::array<float, 3> normal{0, 0, 1};
    std::array<float, 2> texCoord{0, 0};
};

struct Viewport {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct BlendState {
    bool enabled = false;
    std::uint32_t source = 1;       // GL_ONE
    std::uint32_t destination = 0;  // GL_ZERO
};

struct Context {
    MatrixMode matrixMode = MatrixMode::kModelview;
    MatrixStack modelview;
    MatrixStack projection;

    LightingState lighting;
    FogState fog;
    BlendState blend;
    bool depthTest = false;
    bool texture2D = false;
    bool normalize = false;

    ClientState client;
    // Immediate mode: the current attributes and the vertices since glBegin.
    VertexInput current;
    bool insideBeginEnd = false;
    std::uint32_t beginMode = 0;
    std::vector<VertexInput> begun;

    std::map<std::uint32_t, Texture> textures{{0, Texture{}}};
    std::uint32_t boundTexture = 0;
    std::uint32_t nextTextureName = 1;

    Vec4 clearColour{0, 0, 0, 0};
    Viewport viewport;

    // The attribute stacks: each entry remembers which groups it saved.
    struct SavedAttributes {
        std::uint32_t mask;
        LightingState lighting;
    };
    std::vector<SavedAttributes> attributeStack;
    struct SavedClientAttributes {
        std::uint32_t mask;
        ClientState client;
    };
    std::vector<SavedClientAttributes> clientAttributeStack;

    std::uint32_t error = 0;  // GL_NO_ERROR

    MatrixStack& currentStack();
    Texture& boundTextureObject() { return textures[boundTexture]; }
};

// The one context of the page.
Context& context();

// Records an error unless one is waiting to be read already: the first is kept, as Mesa keeps it.
void recordError(std::uint32_t error);

// True, with GL_INVALID_OPERATION recorded, if a call that is not allowed between glBegin and
// glEnd comes there.
bool rejectedInsideBeginEnd();

}  // namespace layer
