// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the window toolkit (platform/glut) asks of the OpenGL layer: to start drawing on a surface
// that has just become current, and to draw out what is still recorded when a frame ends.
#pragma once

namespace layer {

// A WebGL 2 (or OpenGL ES 3) context is current and its default framebuffer is width x height:
// the renderer makes its program and buffers, and the viewport covers the surface, as OpenGL's
// does when a window's context is first made current. State recorded before (matrices, lights,
// fog, texture names and filters) holds from here on; a texture image given before has nothing on
// the new context to sample.
void attachSurface(int width, int height);

// The surface has `scale` device pixels for each window pixel (a high-density screen): the
// program goes on drawing in window pixels, and the renderer scales viewports, points and read
// backs to the surface. 1 until the toolkit says otherwise.
void setSurfaceScale(float scale);

// Draws every primitive still waiting in the renderer's batch; the toolkit's buffer swap calls it,
// as do glFlush, glFinish and glReadPixels.
void flushDrawing();

}  // namespace layer
