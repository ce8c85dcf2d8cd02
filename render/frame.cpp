// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <GL/glut.h>

#include "app/app.h"
#include "common/common.h"
#include "render/render.h"

namespace quelmire {

namespace {

constexpr Rgba kFixedLightSky = {0.3f, 0.15f, 1.0f, 1.0f};
constexpr float kDuckShininess = 25.0f;
constexpr float kSunShininess = 20.0f;
constexpr float kWaterShininess = 100.0f;
constexpr double kSunRadius = 5.0;
constexpr int kSunSlices = 25;
constexpr int kSunStacks = 25;
constexpr float kFixedSunHeight = 800.0f;

// The duck group: one big duck and, in a smaller frame turned to face it, two little ones.
constexpr float kDuckGroupPlace[3] = {static_cast<float>(assets::kDuckSpot.x),
                                      static_cast<float>(assets::kDuckGroupY),
                                      static_cast<float>(assets::kDuckSpot.z)};
constexpr float kDuckGroupTilt = 90.0f;  // about x: the model's -z top becomes the scene's +y
constexpr float kDuckGroupScale = 0.02f;
constexpr float kSmallDuckScale = 0.6f;
constexpr float kSmallDuckX = 10.0f;
constexpr float kSmallDuckY = 30.0f;
constexpr float kSmallDuckZ = 8.0f;
constexpr float kSmallDuckTurn = 180.0f;  // about z
constexpr float kThirdDuckX = 20.0f;

void clearSky() {
    const Rgba c = clearColour();
    glClearColor(c.r, c.g, c.b, c.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// Lighting needs unit normals under the scaled trees and ducks. Set every frame, so that a
// frame does not depend on what came before it.
void setFrameState() {
    glEnable(GL_NORMALIZE);
    glShadeModel(GL_SMOOTH);
}

// The camera stays on the modelview matrix after the frame: the sun tick places the light
// through it between frames.
void applyCamera() {
    common::placeCamera(scene.camera);
}

void drawGrassLand() {
    glBindTexture(GL_TEXTURE_2D, scene.grassTexture);
    drawLand();
}

void setMaterial(const float* ambient, const float* diffuse, const float* specular,
                 float shininess) {
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, shininess);
}

void drawDuckAt(float angle, float x, float offset) {
    glPushMatrix();
    glRotatef(angle, 1.0f, 1.0f, 1.0f);
    glTranslatef(x, 0.0f, offset);
    drawDuck();
    glPopMatrix();
}

// The duck material holds for all three ducks; the smaller frame nests in the group's. The
// attribute and matrix stacks are separate, so the material is restored first, then the frames
// from the inside out.
void drawDucks() {
    glPushMatrix();
    glTranslatef(kDuckGroupPlace[0], kDuckGroupPlace[1], kDuckGroupPlace[2]);
    glRotatef(kDuckGroupTilt, 1.0f, 0.0f, 0.0f);
    glScalef(kDuckGroupScale, kDuckGroupScale, kDuckGroupScale);
    glPushAttrib(GL_LIGHTING_BIT);
    setMaterial(duckAmbient, duckDiffuse, duckSpecular, kDuckShininess);
    drawDuckAt(scene.duckAngles[0], 0.0f, scene.duckOffsets[0]);
    glPushMatrix();
    glScalef(kSmallDuckScale, kSmallDuckScale, kSmallDuckScale);
    glTranslatef(kSmallDuckX, kSmallDuckY, kSmallDuckZ);
    glRotatef(kSmallDuckTurn, 0.0f, 0.0f, 1.0f);
    drawDuckAt(scene.duckAngles[1], 0.0f, scene.duckOffsets[1]);
    drawDuckAt(scene.duckAngles[2], kThirdDuckX, scene.duckOffsets[2]);
    glPopAttrib();
    glPopMatrix();
    glPopMatrix();
}

void drawSun() {
    glPushAttrib(GL_LIGHTING_BIT);
    setMaterial(sunMaterial, sunMaterial, sunMaterial, kSunShininess);
    glPushMatrix();
    if (scene.sunLight) {
        glTranslatef(scene.sunPosition[0], scene.sunPosition[1], 0.0f);
    } else {
        glTranslatef(0.0f, kFixedSunHeight, 0.0f);
    }
    // The quadric's style was set by the trunks, so the sun follows the render mode.
    gluSphere(quadric, kSunRadius, kSunSlices, kSunStacks);
    glPopMatrix();
    glPopAttrib();
}

// Switched this late on purpose: everything before the water keeps last frame's fog.
void switchFog() {
    if (scene.fogOn) {
        glEnable(GL_FOG);
    } else {
        glDisable(GL_FOG);
    }
}

void drawPond() {
    glPushAttrib(GL_LIGHTING_BIT);
    setMaterial(waterAmbient, waterDiffuse, waterSpecular, kWaterShininess);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawWater();
    glDisable(GL_BLEND);
    glPopAttrib();
}

}  // namespace

Rgba clearColour() {
    if (!scene.sunLight) {
        return kFixedLightSky;
    }
    return {scene.skyColour[0], scene.skyColour[1], scene.skyColour[2], scene.skyColour[3]};
}

void display() {
    clearSky();
    setFrameState();
    applyCamera();
    // Textured: the land and the props. The ducks, the sun and the water are plain colours.
    glEnable(GL_TEXTURE_2D);
    drawGrassLand();
    drawProps();
    glDisable(GL_TEXTURE_2D);
    drawDucks();
    drawSun();
    switchFog();
    drawPond();
    common::finishFrame();
}

}  // namespace quelmire
