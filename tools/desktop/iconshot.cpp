// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// iconshot OUTDIR TEXTUREDIR SIZE...: renders the desktop icons from our own meshes, the duck for
// Quelmire and the grass-covered land for Brindlefen, into OUTDIR/NxN/apps/PROGRAM.png for each
// size N, square RGBA on a transparent background. TEXTUREDIR holds the built grass.raw. Needs an
// X display (the build runs it on a private virtual one). An icon that comes out nearly empty
// or nearly full fails the run, so a broken render cannot reach the desktop.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <GL/freeglut.h>

#include "app/facts.h"
#include "assets/assets.h"
#include "tools/pictures/picture_window.h"
#include "tools/pictures/png_write.h"

using namespace assets;

namespace {

// Each icon is drawn this many pixels across (or a little less) and averaged down, so that its
// edges are smooth at every size.
constexpr int kDrawSize = 512;
constexpr float kDuckScale = 200.0f;  // drawDuck's own scale
constexpr float kLandRelief = 6.0f;   // the land is nearly flat at icon scale
// The middle of the land, where the hills and the pond basin are; the flat skirt around them
// would make the icon a plain green board.
constexpr float kLandMiddle[4] = {-190.0f, 145.0f, -165.0f, 160.0f};  // x from, to; z from, to
constexpr float kMargin = 0.04f;  // share of the icon left clear on each side
constexpr double kLeastCover = 0.15;
constexpr double kMostCover = 0.90;

struct Icon {
    const char* program;
    void (*turn)();  // from the eye's frame to the mesh's
    void (*draw)();
    const float* vertices;  // what the picture must hold
    int vertexCount;
    float meshScale;       // the scale that draw gives the vertices
    const float* clipBox;  // x from, to; z from, to, in the mesh's frame; or null: all of it
};

void turnDuck() {
    glRotatef(15.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(-55.0f, 0.0f, 1.0f, 0.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);  // the model's -z up, as in the scene
}

void drawQuelmireDuck() {
    glDisable(GL_TEXTURE_2D);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, quelmire::duckAmbient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, quelmire::duckDiffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, quelmire::duckSpecular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 30.0f);
    drawDuck(GL_TRIANGLES);
}

void turnLand() {
    glRotatef(35.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(40.0f, 0.0f, 1.0f, 0.0f);
    glScalef(1.0f, kLandRelief, 1.0f);
}

// The grass texture bound by main, lit white so that the texture gives the colour.
void drawGrassLand() {
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const float black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    glEnable(GL_TEXTURE_2D);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    drawLand(GL_TRIANGLES);
}

bool inside(const float* box, const float* p) {
    return box == nullptr || (box[0] <= p[0] && p[0] <= box[1] && box[2] <= p[2] && p[2] <= box[3]);
}

// Clip planes, set in the mesh's frame, that keep what lies in the icon's box.
void clipTo(const float* box) {
    if (box == nullptr) {
        return;
    }
    const double planes[4][4] = {{1.0, 0.0, 0.0, -box[0]},
                                 {-1.0, 0.0, 0.0, box[1]},
                                 {0.0, 0.0, 1.0, -box[2]},
                                 {0.0, 0.0, -1.0, box[3]}};
    for (int i = 0; i < 4; ++i) {
        glClipPlane(GL_CLIP_PLANE0 + i, planes[i]);
        glEnable(GL_CLIP_PLANE0 + i);
    }
}

// Where the mesh (within its box) reaches in eye space once turned: an orthographic box that just
// holds it, square, with a margin, so that each icon fills its square whatever the mesh's size.
void frameMesh(const Icon& icon) {
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    float lo[3] = {1e30f, 1e30f, 1e30f};
    float hi[3] = {-1e30f, -1e30f, -1e30f};
    for (int v = 0; v < icon.vertexCount; ++v) {
        const float* p = icon.vertices + 3 * v;
        if (!inside(icon.clipBox, p)) {
            continue;
        }
        const float s = icon.meshScale;
        for (int axis = 0; axis < 3; ++axis) {
            const float e =
                s * (m[axis] * p[0] + m[4 + axis] * p[1] + m[8 + axis] * p[2]) + m[12 + axis];
            lo[axis] = std::min(lo[axis], e);
            hi[axis] = std::max(hi[axis], e);
        }
    }
    const float half = 0.5f * std::max(hi[0] - lo[0], hi[1] - lo[1]) / (1.0f - 2.0f * kMargin);
    const float cx = 0.5f * (lo[0] + hi[0]);
    const float cy = 0.5f * (lo[1] + hi[1]);
    const float depth = hi[2] - lo[2];
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(cx - half, cx + half, cy - half, cy + half, -hi[2] - depth, -lo[2] + depth);
    glMatrixMode(GL_MODELVIEW);
}

// Draws the icon `drawn` pixels across and reads back its colour and which pixels it covers.
void drawIcon(const Icon& icon, int drawn, std::vector<unsigned char>& rgb,
              std::vector<float>& depth) {
    glViewport(0, 0, drawn, drawn);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The light comes from the upper left front, fixed to the eye as in the programs.
    const float light[4] = {-0.4f, 0.8f, 0.6f, 0.0f};
    const float ambient[4] = {0.35f, 0.35f, 0.35f, 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    icon.turn();
    frameMesh(icon);
    clipTo(icon.clipBox);
    icon.draw();
    for (int i = 0; i < 4; ++i) {
        glDisable(GL_CLIP_PLANE0 + i);
    }
    glFinish();
    rgb.resize(static_cast<size_t>(drawn) * drawn * 3);
    depth.resize(static_cast<size_t>(drawn) * drawn);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, drawn, drawn, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    glReadPixels(0, 0, drawn, drawn, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
}

// Averages each block of `factor` x `factor` drawn pixels into one icon pixel: alpha is the share
// of the block that the mesh covers, colour the mean over the covered pixels only. Returns the
// share of the whole icon covered.
double shrink(const std::vector<unsigned char>& rgb, const std::vector<float>& depth, int size,
              int factor, std::vector<unsigned char>& rgba) {
    const int drawn = size * factor;
    rgba.assign(static_cast<size_t>(size) * size * 4, 0);
    double covered = 0.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int sum[3] = {0, 0, 0};
            int count = 0;
            for (int dy = 0; dy < factor; ++dy) {
                for (int dx = 0; dx < factor; ++dx) {
                    const size_t i = static_cast<size_t>(y * factor + dy) * drawn +
                                     static_cast<size_t>(x * factor + dx);
                    if (depth[i] < 1.0f) {
                        for (int c = 0; c < 3; ++c) {
                            sum[c] += rgb[3 * i + c];
                        }
                        ++count;
                    }
                }
            }
            unsigned char* out = &rgba[4 * (static_cast<size_t>(y) * size + x)];
            if (count > 0) {
                for (int c = 0; c < 3; ++c) {
                    out[c] = static_cast<unsigned char>(sum[c] / count);
                }
            }
            out[3] = static_cast<unsigned char>(255 * count / (factor * factor));
            covered += static_cast<double>(count) / (factor * factor);
        }
    }
    return covered / (static_cast<double>(size) * size);
}

bool renderIcon(const Icon& icon, int size, const std::string& outDir) {
    const int factor = kDrawSize / size;
    std::vector<unsigned char> rgb;
    std::vector<float> depth;
    drawIcon(icon, size * factor, rgb, depth);
    std::vector<unsigned char> rgba;
    const double cover = shrink(rgb, depth, size, factor, rgba);
    const std::string dir =
        outDir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
    const std::string path = dir + "/" + icon.program + ".png";
    if (cover < kLeastCover || cover > kMostCover) {
        std::fprintf(stderr, "iconshot: %s covers %.0f%% of its square, not %.0f%% to %.0f%%\n",
                     path.c_str(), 100.0 * cover, 100.0 * kLeastCover, 100.0 * kMostCover);
        return false;
    }
    // GL rows run bottom-up; PNG rows top-down.
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error || !writePngRgba(path, size, size, rgba.data(), true)) {
        std::fprintf(stderr, "iconshot: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 3; i < argc; ++i) {
        sizes.push_back(std::atoi(argv[i]));
        if (sizes.back() < 1 || sizes.back() > kDrawSize) {
            std::fprintf(stderr, "iconshot: size %s is not 1 to %d\n", argv[i], kDrawSize);
            return 2;
        }
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconshot OUTDIR TEXTUREDIR SIZE...\n");
        return 2;
    }
    const std::string outDir = argv[1];
    const std::string grassPath = std::string(argv[2]) + "/" + kGrassTextureFile.name;
    // A missing texture would only give black land, which the cover check cannot tell.
    if (FILE* file = std::fopen(grassPath.c_str(), "rb")) {
        std::fclose(file);
    } else {
        std::fprintf(stderr, "iconshot: cannot read %s\n", grassPath.c_str());
        return 1;
    }
    openPictureWindow(argc, argv, kDrawSize, "iconshot");
    GLuint grass = 0;
    const auto grassImage =
        makeTexture(grass, grassPath.c_str(), kGrassTextureFile.width, kGrassTextureFile.height);
    const Icon icons[] = {
        {"quelmire", turnDuck, drawQuelmireDuck, duckVertices, duckVertexCount, kDuckScale,
         nullptr},
        {"brindlefen", turnLand, drawGrassLand, landVertices, landVertexCount, 1.0f, kLandMiddle}};
    for (const Icon& icon : icons) {
        for (int size : sizes) {
            if (!renderIcon(icon, size, outDir)) {
                return 1;
            }
        }
    }
    return 0;
}
