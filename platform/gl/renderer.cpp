// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "platform/gl/renderer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <map>
#include <string>

#include "platform/gl/layer.h"
#include "platform/gl/shaders.h"
#include "platform/gl/webgl.h"

namespace layer {

namespace {

static_assert(sizeof(GpuVertex) == 11 * sizeof(float), "vertices go to WebGL tightly packed");

struct Surface {
    bool attached = false;
    GLuint program = 0;
    GLuint vertexArray = 0;
    GLuint vertexBuffer = 0;
    GLuint indexBuffer = 0;
    GLint texturedUniform = -1;
    GLint textureUniform = -1;
    GLint fogUniform = -1;
    GLint fogDensityUniform = -1;
    GLint fogColourUniform = -1;
    GLint pointSizeUniform = -1;
    // Device pixels per window pixel.
    float scale = 1.0f;
    std::map<std::uint32_t, GLuint> textures;  // the layer's names to WebGL's
    // Taken away with its context (a lost WebGL context) until a new one is given.
    bool lost = false;
    GLuint boundTexture = 0;
    bool textured = false;
    // What WebGL was last told, so that a batch changes only what differs.
    bool stateKnown = false;
    DrawState applied{};
};

Surface surface;

// Every texture image the program gave, as WebGL took it: a lost context takes WebGL's copies
// with it, and a restored one is given them again from here.
struct KeptImage {
    int width;
    int height;
    std::vector<unsigned char> rgba;
};
std::map<std::uint32_t, KeptImage> keptImages;

struct Batch {
    bool open = false;
    DrawState state{};
    std::vector<GpuVertex> vertices;
    std::vector<std::uint32_t> indices;
};

Batch batch;

GLuint compileShader(GLenum type, const std::string& text) {
    const GLuint shader = emscripten_glCreateShader(type);
    const char* source = text.c_str();
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    GLint compiled = 0;
    emscripten_glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled == 0) {
        char log[1024] = {};
        emscripten_glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        std::fprintf(stderr, "OpenGL layer: a shader does not compile: %s\n", log);
    }
    return shader;
}

bool buildProgram() {
    const GLuint vertexShader = compileShader(GL_VERTEX_SHADER, vertexShaderSource());
    const GLuint fragmentShader = compileShader(GL_FRAGMENT_SHADER, fragmentShaderSource());
    surface.program = emscripten_glCreateProgram();
    emscripten_glAttachShader(surface.program, vertexShader);
    emscripten_glAttachShader(surface.program, fragmentShader);
    emscripten_glLinkProgram(surface.program);
    emscripten_glDeleteShader(vertexShader);
    emscripten_glDeleteShader(fragmentShader);
    GLint linked = 0;
    emscripten_glGetProgramiv(surface.program, GL_LINK_STATUS, &linked);
    if (linked == 0) {
        char log[1024] = {};
        emscripten_glGetProgramInfoLog(surface.program, sizeof log, nullptr, log);
        std::fprintf(stderr, "OpenGL layer: the program does not link: %s\n", log);
        return false;
    }
    emscripten_glUseProgram(surface.program);
    surface.texturedUniform =
        emscripten_glGetUniformLocation(surface.program, kTexturedUniform.name);
    surface.textureUniform = emscripten_glGetUniformLocation(surface.program, kTextureUniform.name);
    surface.fogUniform = emscripten_glGetUniformLocation(surface.program, kFogUniform.name);
    surface.fogDensityUniform =
        emscripten_glGetUniformLocation(surface.program, kFogDensityUniform.name);
    surface.fogColourUniform =
        emscripten_glGetUniformLocation(surface.program, kFogColourUniform.name);
    surface.pointSizeUniform =
        emscripten_glGetUniformLocation(surface.program, kPointSizeUniform.name);
    emscripten_glUniform1i(surface.textureUniform, 0);
    emscripten_glUniform1f(surface.pointSizeUniform, surface.scale);
    return true;
}

// One vertex array and two buffers, filled anew for every batch.
void makeBuffers() {
    emscripten_glGenVertexArrays(1, &surface.vertexArray);
    emscripten_glBindVertexArray(surface.vertexArray);
    emscripten_glGenBuffers(1, &surface.vertexBuffer);
    emscripten_glGenBuffers(1, &surface.indexBuffer);
    emscripten_glBindBuffer(GL_ARRAY_BUFFER, surface.vertexBuffer);
    emscripten_glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, surface.indexBuffer);
    const GLsizei stride = sizeof(GpuVertex);
    struct Attribute {
        ShaderAttribute location;
        GLint size;
        std::size_t offset;
    };
    const Attribute attributes[] = {
        {kClipAttribute, 4, offsetof(GpuVertex, clip)},
        {kColourAttribute, 4, offsetof(GpuVertex, colour)},
        {kTexCoordAttribute, 2, offsetof(GpuVertex, texCoord)},
        {kFogAttribute, 1, offsetof(GpuVertex, fogDistance)},
    };
    for (const Attribute& attribute : attributes) {
        emscripten_glEnableVertexAttribArray(attribute.location);
        emscripten_glVertexAttribPointer(attribute.location, attribute.size, GL_FLOAT, GL_FALSE,
                                         stride, reinterpret_cast<const void*>(attribute.offset));
    }
}

void setCapability(GLenum cap, bool on) {
    if (on) {
        emscripten_glEnable(cap);
    } else {
        emscripten_glDisable(cap);
    }
}

void bindSurfaceTexture(GLuint texture) {
    if (surface.boundTexture != texture) {
        emscripten_glBindTexture(GL_TEXTURE_2D, texture);
        surface.boundTexture = texture;
    }
}

void apply(const DrawState& state) {
    const bool known = surface.stateKnown;
    const DrawState& was = surface.applied;
    if (!known || state.depthTest != was.depthTest) {
        setCapability(GL_DEPTH_TEST, state.depthTest);
    }
    if (!known || state.blend.enabled != was.blend.enabled) {
        setCapability(GL_BLEND, state.blend.enabled);
    }
    if (!known || state.blend.source != was.blend.source ||
        state.blend.destination != was.blend.destination) {
        emscripten_glBlendFunc(state.blend.source, state.blend.destination);
    }
    // A texture made before the surface came has nothing on it to sample.
    const auto texture = surface.textures.find(state.texture);
    const bool textured = state.textured && texture != surface.textures.end();
    if (!known || textured != surface.textured) {
        emscripten_glUniform1i(surface.texturedUniform, textured ? 1 : 0);
        surface.textured = textured;
    }
    if (textured) {
        bindSurfaceTexture(texture->second);
    }
    if (!known || !(state.fog == was.fog)) {
        emscripten_glUniform1i(surface.fogUniform, state.fog.enabled ? 1 : 0);
        emscripten_glUniform1f(surface.fogDensityUniform, state.fog.density);
        emscripten_glUniform4fv(surface.fogColourUniform, 1, state.fog.colour.data());
    }
    surface.applied = state;
    surface.stateKnown = true;
}

GLenum webGlMode(PrimitiveClass primitives) {
    switch (primitives) {
        case PrimitiveClass::kPoints:
            return GL_POINTS;
        case PrimitiveClass::kLines:
            return GL_LINES;
        case PrimitiveClass::kTriangles:
        default:
            return GL_TRIANGLES;
    }
}

void drawBatch() {
    if (batch.open && surface.attached && !batch.indices.empty()) {
        apply(batch.state);
        emscripten_glBufferData(GL_ARRAY_BUFFER, batch.vertices.size() * sizeof(GpuVertex),
                                batch.vertices.data(), GL_STREAM_DRAW);
        emscripten_glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                                batch.indices.size() * sizeof(std::uint32_t), batch.indices.data(),
                                GL_STREAM_DRAW);
        emscripten_glDrawElements(webGlMode(batch.state.primitives),
                                  static_cast<GLsizei>(batch.indices.size()), GL_UNSIGNED_INT,
                                  nullptr);
    }
    batch.open = false;
    batch.vertices.clear();
    batch.indices.clear();
}

// A window-pixel coordinate or length on the surface.
int toDevice(int windowPixels) {
    return static_cast<int>(std::lround(windowPixels * surface.scale));
}

// WebGL's texture for one of the layer's, made on first use; it magnifies linearly and repeats
// from the start, as OpenGL's do.
GLuint surfaceTexture(std::uint32_t name) {
    GLuint& texture = surface.textures[name];
    if (texture == 0) {
        emscripten_glGenTextures(1, &texture);
        bindSurfaceTexture(texture);
        emscripten_glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    }
    return texture;
}

// How far a vertex lies on the seen side of the near plane, z = -w in clip space.
float pastNearPlane(const GpuVertex& vertex) {
    return vertex.clip[2] + vertex.clip[3];
}

// The vertex a share `t` of the way from `a` to `b`, everything interpolated in clip space.
GpuVertex between(const GpuVertex& a, const GpuVertex& b, float t) {
    GpuVertex vertex{};
    for (int i = 0; i < 4; ++i) {
        vertex.clip[i] = a.clip[i] + t * (b.clip[i] - a.clip[i]);
        vertex.colour[i] = a.colour[i] + t * (b.colour[i] - a.colour[i]);
    }
    for (int i = 0; i < 2; ++i) {
        vertex.texCoord[i] = a.texCoord[i] + t * (b.texCoord[i] - a.texCoord[i]);
    }
    vertex.fogDistance = a.fogDistance + t * (b.fogDistance - a.fogDistance);
    return vertex;
}

// WebGL leaves the clipping of lines and points to the rasteriser, and SwiftShader loses a
// whole line with an end behind the eye (w of zero or less). So they are clipped here at the
// near plane, in clip space, as OpenGL 1.1 does before the divide: a point on or behind it is
// left out, and a line that crosses it is cut there, into a vertex of its own at the end of the
// batch's vertices. What is left has every w above zero, and WebGL clips it at the other planes.
void addClippedAtNearPlane(PrimitiveClass primitives, std::uint32_t base,
                           const std::vector<std::uint32_t>& indices) {
    if (primitives == PrimitiveClass::kPoints) {
        for (const std::uint32_t index : indices) {
            if (pastNearPlane(batch.vertices[base + index]) > 0.0f) {
                batch.indices.push_back(base + index);
            }
        }
        return;
    }
    for (std::size_t i = 0; i + 1 < indices.size(); i += 2) {
        std::uint32_t ends[2] = {base + indices[i], base + indices[i + 1]};
        const float past[2] = {pastNearPlane(batch.vertices[ends[0]]),
                               pastNearPlane(batch.vertices[ends[1]])};
        if (past[0] <= 0.0f && past[1] <= 0.0f) {
            continue;
        }
        // The end behind the plane moves to where the line meets it; the other stays.
        for (int behind = 0; behind < 2; ++behind) {
            if (past[behind] <= 0.0f) {
                const int seen = 1 - behind;
                const float t = past[seen] / (past[seen] - past[behind]);
                const GpuVertex cut =
                    between(batch.vertices[ends[seen]], batch.vertices[ends[behind]], t);
                ends[behind] = static_cast<std::uint32_t>(batch.vertices.size());
                batch.vertices.push_back(cut);
            }
        }
        batch.indices.push_back(ends[0]);
        batch.indices.push_back(ends[1]);
    }
}

void giveImage(std::uint32_t name, const KeptImage& image) {
    bindSurfaceTexture(surfaceTexture(name));
    emscripten_glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    emscripten_glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, image.width, image.height, 0, GL_RGBA,
                            GL_UNSIGNED_BYTE, image.rgba.data());
}

// Everything the renderer makes on a context, made on the current one: the program, the buffers
// and every texture the program has given, with the viewport it last set. What WebGL was told
// before is forgotten, so that the next batch tells it all again.
void buildSurface() {
    if (!loadWebGlCalls() || !buildProgram()) {
        return;
    }
    makeBuffers();
    surface.attached = true;
    surface.stateKnown = false;
    surface.boundTexture = 0;
    surface.textures.clear();
    for (const auto& [name, image] : keptImages) {
        giveImage(name, image);
    }
    emscripten_glClearDepthf(1.0f);
    setSurfaceViewport(context().viewport);
}

}  // namespace

bool operator==(const DrawState& a, const DrawState& b) {
    return a.primitives == b.primitives && a.textured == b.textured && a.texture == b.texture &&
           a.blend.enabled == b.blend.enabled && a.blend.source == b.blend.source &&
           a.blend.destination == b.blend.destination && a.depthTest == b.depthTest &&
           a.fog == b.fog;
}

// What does not change the picture is left at its initial value, so that it splits no batch.
DrawState drawStateFor(const Context& gl, PrimitiveClass primitives) {
    DrawState state{};
    state.primitives = primitives;
    const auto texture = gl.textures.find(gl.boundTexture);
    state.textured = gl.texture2D && texture != gl.textures.end() && texture->second.complete();
    state.texture = state.textured ? gl.boundTexture : 0;
    state.blend = gl.blend.enabled ? gl.blend : BlendState{};
    state.depthTest = gl.depthTest;
    state.fog = gl.fog.enabled ? gl.fog : FogState{};
    return state;
}

void submit(const DrawState& state, const std::vector<GpuVertex>& vertices,
            const std::vector<std::uint32_t>& indices) {
    if (!surface.attached || indices.empty()) {
        return;
    }
    if (batch.open && !(batch.state == state)) {
        drawBatch();
    }
    batch.open = true;
    batch.state = state;
    const auto base = static_cast<std::uint32_t>(batch.vertices.size());
    batch.vertices.insert(batch.vertices.end(), vertices.begin(), vertices.end());
    if (state.primitives != PrimitiveClass::kTriangles) {
        addClippedAtNearPlane(state.primitives, base, indices);
        return;
    }
    for (const std::uint32_t index : indices) {
        batch.indices.push_back(base + index);
    }
}

void clearSurface(bool colour, bool depth, const Vec4& clearColour) {
    if (!surface.attached) {
        return;
    }
    drawBatch();
    GLbitfield mask = 0;
    if (colour) {
        emscripten_glClearColor(clearColour[0], clearColour[1], clearColour[2], clearColour[3]);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if (depth) {
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    emscripten_glClear(mask);
}

void setSurfaceViewport(const Viewport& viewport) {
    if (!surface.attached) {
        return;
    }
    drawBatch();
    emscripten_glViewport(toDevice(viewport.x), toDevice(viewport.y), toDevice(viewport.width),
                          toDevice(viewport.height));
}

void uploadTexture(std::uint32_t name, const Texture& texture,
                   const std::vector<unsigned char>& rgba) {
    const KeptImage& kept = keptImages[name] = {texture.width, texture.height, rgba};
    if (!surface.attached) {
        return;
    }
    drawBatch();
    giveImage(name, kept);
}

std::vector<unsigned char> readSurface(int x, int y, int width, int height) {
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width) * height * 4);
    if (!surface.attached || rgba.empty()) {
        return rgba;
    }
    drawBatch();
    emscripten_glPixelStorei(GL_PACK_ALIGNMENT, 4);
    if (surface.scale == 1.0f) {
        emscripten_glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }
    // On a scaled surface each window pixel is the device pixel at its lower left corner.
    const int deviceWidth = std::max(1, toDevice(x + width) - toDevice(x));
    const int deviceHeight = std::max(1, toDevice(y + height) - toDevice(y));
    std::vector<unsigned char> device(static_cast<std::size_t>(deviceWidth) * deviceHeight * 4);
    emscripten_glReadPixels(toDevice(x), toDevice(y), deviceWidth, deviceHeight, GL_RGBA,
                            GL_UNSIGNED_BYTE, device.data());
    for (int row = 0; row < height; ++row) {
        const int deviceRow = std::min(deviceHeight - 1, toDevice(y + row) - toDevice(y));
        for (int column = 0; column < width; ++column) {
            const int deviceColumn = std::min(deviceWidth - 1, toDevice(x + column) - toDevice(x));
            std::copy_n(
                &device[(static_cast<std::size_t>(deviceRow) * deviceWidth + deviceColumn) * 4], 4,
                &rgba[(static_cast<std::size_t>(row) * width + column) * 4]);
        }
    }
    return rgba;
}

void flushSurface() {
    drawBatch();
    if (surface.attached) {
        emscripten_glFlush();
    }
}

void finishSurface() {
    drawBatch();
    if (surface.attached) {
        emscripten_glFinish();
    }
}

void attachSurface(int width, int height) {
    context().viewport = {0, 0, width, height};
    if (!surface.lost) {
        buildSurface();
    }
}

void loseSurface() {
    surface.lost = true;
    surface.attached = false;
    batch.open = false;
    batch.vertices.clear();
    batch.indices.clear();
}

void restoreSurface() {
    surface.lost = false;
    buildSurface();
}

void setSurfaceScale(float scale) {
    if (!(scale > 0.0f) || scale == surface.scale) {
        return;
    }
    drawBatch();
    surface.scale = scale;
    if (surface.attached) {
        emscripten_glUniform1f(surface.pointSizeUniform, scale);
        setSurfaceViewport(context().viewport);
    }
}

void flushDrawing() {
    drawBatch();
}

#ifdef __EMSCRIPTEN__
bool loadWebGlCalls() {
    return true;
}
#endif

}  // namespace layer
