// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// meshshot OUTDIR: renders the land from above and a close-up of the duck to PNG, for the
// README. Needs an X display (the build runs it on a private virtual one).
#include <cstdio>
#include <string>
#include <vector>

#include <GL/freeglut.h>

#include "assets/assets.h"
#include "tools/pictures/picture_window.h"
#include "tools/pictures/png_write.h"

namespace {

constexpr int kSize = 600;
constexpr float kLandColour[4] = {0.45f, 0.62f, 0.30f, 1.0f};
constexpr float kDuckColour[4] = {0.95f, 0.75f, 0.10f, 1.0f};
constexpr float kSkyColour[4] = {0.55f, 0.70f, 0.90f, 1.0f};

bool savePicture(const std::string& path) {
    std::vector<unsigned char> rgb(kSize * kSize * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glFinish();
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    // GL rows run bottom-up; PNG rows top-down.
    return writePng(path, kSize, kSize, rgb.data(), true);
}

void setUpView(double fieldOfView, double nearPlane, double farPlane) {
    glViewport(0, 0, kSize, kSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfView, 1.0, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(kSkyColour[0], kSkyColour[1], kSkyColour[2], kSkyColour[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float light[4] = {0.3f, 1.0f, 0.6f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
}

void material(const float* colour) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, colour);
}

// The middle of the land from above at a slant, so that the hills and the basin read.
void renderLand(const std::string& path) {
    setUpView(30.0, 10.0, 10000.0);
    glTranslatef(0.0f, 0.0f, -1000.0f);
    glRotatef(55.0f, 1.0f, 0.0f, 0.0f);
    glScalef(1.0f, 4.0f, 1.0f);  // relief exaggerated: the land is nearly flat at this scale
    glPushAttrib(GL_LIGHTING_BIT);
    material(kLandColour);
    assets::drawLand(GL_TRIANGLES);
    glPopAttrib();
    savePicture(path);
}

// The duck from its front-left, upright as the scene shows it.
void renderDuck(const std::string& path) {
    setUpView(30.0, 0.1, 100.0);
    glTranslatef(0.0f, 0.0f, -60.0f);
    glRotatef(15.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(-55.0f, 0.0f, 1.0f, 0.0f);
    glTranslatef(0.0f, 3.0f, 0.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);  // the model's -z up, as in the scene
    glPushAttrib(GL_LIGHTING_BIT);
    material(kDuckColour);
    const float specular[4] = {0.5f, 0.5f, 0.5f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 30.0f);
    assets::drawDuck(GL_TRIANGLES);
    glPopAttrib();
    savePicture(path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: meshshot OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    openPictureWindow(argc, argv, kSize, "meshshot");
    renderLand(dir + "/land.png");
    renderDuck(dir + "/duck.png");
    return 0;
}
