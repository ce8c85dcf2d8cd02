// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "assets/assets.h"

namespace assets {

namespace {

constexpr GLfloat kDuckScale = 200.0f;

}  // namespace

GLenum elementModeFor(int renderPrimitive) {
    return renderPrimitive == GL_POLYGON ? GL_TRIANGLES : static_cast<GLenum>(renderPrimitive);
}

void drawLand(GLenum mode) {
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, 0, landTexCoords);
    glEnableClientState(GL_NORMAL_ARRAY);
    glNormalPointer(GL_FLOAT, 0, landNormals);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, landVertices);
    glDrawElements(mode, landIndexCount, GL_UNSIGNED_INT, landIndices);
    glPopClientAttrib();
}

void drawDuck(GLenum mode) {
    glPushMatrix();
    glScalef(kDuckScale, kDuckScale, kDuckScale);
    // The scale shortens the normals; lighting needs them unit length again.
    glEnable(GL_NORMALIZE);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    glEnableClientState(GL_NORMAL_ARRAY);
    glNormalPointer(GL_FLOAT, 0, duckNormals);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, duckVertices);
    glDrawElements(mode, duckIndexCount, GL_UNSIGNED_INT, duckIndices);
    glPopClientAttrib();
    glPopMatrix();
}

}  // namespace assets
