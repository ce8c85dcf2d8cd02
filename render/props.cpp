// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "app/app.h"
#include "render/render.h"

namespace quelmire {

namespace {

struct TreePlace {
    float size, x, z;
};

// Five rows of eleven beside the pond; drawTree shifts every x by -5.
constexpr TreePlace kGrove[] = {
    {1.31f, 0.4f, -7.6f}, {1.44f, 0.8f, -6.7f}, {1.33f, 0.7f, -4.5f}, {1.45f, 0.2f, -3.6f},
    {1.33f, 0.9f, -1.0f}, {1.42f, 0.0f, 0.0f},  {1.35f, 0.5f, 1.3f},  {1.41f, 0.5f, 3.3f},
    {1.3f, 0.1f, 4.4f},   {1.44f, 0.6f, 6.2f},  {1.33f, 0.3f, 7.9f},

    {1.44f, 2.3f, -7.3f}, {1.31f, 1.7f, -6.7f}, {1.44f, 1.9f, -4.7f}, {1.35f, 2.2f, -3.9f},
    {1.44f, 1.8f, -1.6f}, {1.35f, 1.5f, 0.0f},  {1.43f, 2.0f, 1.4f},  {1.33f, 2.1f, 3.6f},
    {1.42f, 1.6f, 4.8f},  {1.35f, 2.4f, 6.5f},  {1.44f, 2.0f, 7.9f},

    {1.31f, 3.3f, -7.9f}, {1.45f, 3.8f, -6.9f}, {1.31f, 3.7f, -4.1f}, {1.42f, 3.0f, -3.0f},
    {1.3f, 3.2f, -1.5f},  {1.41f, 3.4f, 0.8f},  {1.34f, 3.5f, 1.8f},  {1.4f, 3.1f, 3.9f},
    {1.35f, 3.5f, 4.4f},  {1.41f, 3.6f, 6.6f},  {1.32f, 3.9f, 7.8f},

    {1.42f, 5.0f, -7.8f}, {1.3f, 4.5f, -6.0f},  {1.45f, 4.6f, -4.3f}, {1.31f, 5.4f, -3.3f},
    {1.42f, 4.8f, -1.4f}, {1.33f, 5.1f, 0.2f},  {1.4f, 4.7f, 1.4f},   {1.35f, 5.2f, 3.9f},
    {1.43f, 5.1f, 4.1f},  {1.32f, 4.9f, 6.3f},  {1.41f, 5.3f, 7.0f},

    {1.35f, 6.7f, -7.4f}, {1.42f, 6.2f, -6.6f}, {1.34f, 6.8f, -4.7f}, {1.43f, 6.3f, -3.6f},
    {1.36f, 6.0f, -1.5f}, {1.42f, 6.1f, 0.9f},  {1.3f, 6.5f, 1.4f},   {1.42f, 6.9f, 3.5f},
    {1.3f, 6.0f, 4.5f},   {1.43f, 6.6f, 6.6f},  {1.35f, 6.4f, 7.8f},
};
static_assert(sizeof(kGrove) / sizeof(kGrove[0]) == 55, "the grove has 55 trees");

constexpr float kTreeShift = 5.0f;

// Every trunk foot stands on the level ground that the land keeps for the grove.
constexpr bool groveStandsOnItsArea() {
    constexpr double kSlack = 1e-4;  // the table's floats round a little past the area's edge
    for (const TreePlace& tree : kGrove) {
        const double x = tree.x - kTreeShift;
        if (x < assets::kGroveArea.minX - kSlack || x > assets::kGroveArea.maxX + kSlack ||
            tree.z < assets::kGroveArea.minZ - kSlack ||
            tree.z > assets::kGroveArea.maxZ + kSlack) {
            return false;
        }
    }
    return true;
}
static_assert(groveStandsOnItsArea(), "a tree stands outside the grove's level ground");
constexpr float kCrownTiltPerSize = 7.0f;
constexpr float kCrownLift = 0.45f;
constexpr double kCrownRadius = 0.5;
constexpr int kCrownSlices = 9;
constexpr int kCrownStacks = 9;
constexpr double kTrunkTopRadius = 0.115;
constexpr double kTrunkFootRadius = 0.095;
constexpr int kTrunkSlices = 8;
constexpr int kTrunkStacks = 8;

constexpr float kPostTop = 0.3f;
constexpr double kPostRadius = 0.05;
constexpr double kPostLength = 0.5;
constexpr int kPostSlices = 5;
constexpr int kPostStacks = 5;
constexpr float kBoardSide = 0.2f;

}  // namespace

void drawTrunk() {
    // Left set on purpose: the crowns, the posts and the sun follow the render mode through it.
    gluQuadricDrawStyle(quadric, scene.quadricStyle);
    gluQuadricTexture(quadric, GL_TRUE);
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    gluCylinder(quadric, kTrunkTopRadius, kTrunkFootRadius, 1.0, kTrunkSlices, kTrunkStacks);
    glPopMatrix();
}

namespace {

// The grass-textured ball on top of a trunk, tilted more on bigger trees.
void drawCrown(float size) {
    glPushMatrix();
    glRotatef(size * kCrownTiltPerSize, 1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, scene.grassTexture);
    glPushMatrix();
    glTranslatef(0.0f, kCrownLift, 0.0f);
    gluSphere(quadric, kCrownRadius, kCrownSlices, kCrownStacks);
    glPopMatrix();
    glPopMatrix();
}

}  // namespace

void drawTree(float size, float x, float z) {
    glPushMatrix();
    glTranslatef(x - kTreeShift, size, z);
    glScalef(size, size, size);
    glBindTexture(GL_TEXTURE_2D, scene.woodTexture);
    drawTrunk();
    drawCrown(size);
    glPopMatrix();
}

void drawSignBoard() {
    glPushMatrix();
    glTranslatef(0.05f, 0.0f, 0.0f);
    glRotatef(180.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(45.0f, 0.0f, 1.0f, 0.0f);
    glBegin(scene.renderPrimitive);
    // The board's own face normal at every corner: lit evenly, the same on every frame.
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(0.0f, kBoardSide, 0.0f);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(kBoardSide, 0.0f, 0.0f);
    glNormal3f(0.0f, 0.0f, 1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(kBoardSide, kBoardSide, 0.0f);
    glEnd();
    glPopMatrix();
}

void drawSignpost(GLuint texture, float x, float z) {
    glPushMatrix();
    glTranslatef(x + kTreeShift, kPostTop, z);
    glBindTexture(GL_TEXTURE_2D, scene.woodTexture);
    glPushMatrix();
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
    gluCylinder(quadric, kPostRadius, kPostRadius, kPostLength, kPostSlices, kPostStacks);
    glPopMatrix();
    glBindTexture(GL_TEXTURE_2D, texture);
    drawSignBoard();
    glPopMatrix();
}

namespace {

// drawSignpost shifts its x by kTreeShift; the spot is where the post really stands.
void drawSignpostOn(GLuint texture, const assets::LevelSpot& spot) {
    drawSignpost(texture, static_cast<float>(spot.x) - kTreeShift, static_cast<float>(spot.z));
}

}  // namespace

void drawProps() {
    for (const TreePlace& tree : kGrove) {
        drawTree(tree.size, tree.x, tree.z);
    }
    drawSignpostOn(scene.signTexture1, assets::kFirstSignpostSpot);
    drawSignpostOn(scene.signTexture2, assets::kSecondSignpostSpot);
}

}  // namespace quelmire
