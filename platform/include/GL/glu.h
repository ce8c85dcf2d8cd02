// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The part of GLU that the programs call: the perspective projection, and quadrics whose
// cylinders and spheres are made of the same vertices, normals and texture coordinates, in the
// same order, as the desktop's, in the fill, line and point styles.
#pragma once

#include <GL/gl.h>

#define GLU_SMOOTH 100000
#define GLU_FLAT 100001
#define GLU_NONE 100002
#define GLU_POINT 100010
#define GLU_LINE 100011
#define GLU_FILL 100012
#define GLU_SILHOUETTE 100013
#define GLU_OUTSIDE 100020
#define GLU_INSIDE 100021

#ifdef __cplusplus
extern "C" {
#endif

typedef struct GLUquadric GLUquadric;
typedef GLUquadric GLUquadricObj;

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
// Centred on the origin; slices round z, stacks from -z to +z.
void gluSphere(GLUquadric* quad, GLdouble radius, GLint slices, GLint stacks);

#ifdef __cplusplus
}
#endif
