// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The part of GLU that the programs call: the perspective projection, and quadrics whose
// cylinders and spheres are made of the same vertices, normals and texture coordinates, in the
// same order, as the desktop's, in the fill, line and point styles, with smooth normals, facing
// outwards.
#pragma once

#include <GL/gl.h>

#define GLU_POINT 100010
#define GLU_LINE 100011
#define GLU_FILL 100012

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GLUquadric GLUquadric;

void gluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);

// A new quadric: filled, smooth normals, facing outwards, no texture coordinates. Null if memory
// ran out.
GLUquadric* gluNewQuadric(void);
void gluDeleteQuadric(GLUquadric* quad);
void gluQuadricDrawStyle(GLUquadric* quad, GLenum draw);
void gluQuadricTexture(GLUquadric* quad, GLboolean texture);
// Along z from 0 to height, its radius going from base to top; slices round z, stacks along it.
void gluCylinder(GLUquadric* quad, GLdouble base, GLdouble top, GLdouble height, GLint slices,
                 GLint stacks);
// Centred on the origin; slices round z, stacks from +z down to -z.
void gluSphere(GLUquadric* quad, GLdouble radius, GLint slices, GLint stacks);

#ifdef __cplusplus
}
#endif
