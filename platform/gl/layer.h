// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What the window toolkit (platform/glut) asks of the OpenGL layer: to start drawing on a surface
// that has just become current, and to draw out what is still recorded when a frame ends.
#pragma once

namespace layer {

// A WebGL 2 (or OpenGL ES 3) context is current and its default framebuffer is width x height:
// the renderer makes its program and buffers, and the viewport covers the surface, as OpenGL's
// does when a window's context is first made current. State recorded before (matrices, lights,
// fog, textures) holds from here on.
void attachSurface(int width, int height);

// The context has been taken away (a lost WebGL context, already lost when made or lost later):
// nothing is drawn until restoreSurface, and every call goes on recording state as before.
void loseSurface();
// A new context is current in the lost one's place: the renderer makes again everything it had
// made on the GPU (program, buffers, vertex array, textures from the images it keeps) and tells
// WebGL again the state it last applied.
void restoreSurface();

// The surface has `scale` device pixels for each window pixel (a high-density screen): the
// program goes on drawing in window pixels, and the renderer scales viewports, points and read
// backs to the surface. 1 until the toolkit says otherwise.
void setSurfaceScale(float scale);

// Draws every primitive still waiting in the renderer's batch; the toolkit's buffer swap calls it,
// as do glFlush, glFinish and glReadPixels.
void flushDrawing();

}  // namespace layer
