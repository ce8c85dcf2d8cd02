// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The window natively, for the tests: an OpenGL ES 3 context on Mesa without any display (EGL's
// surfaceless platform), drawing into a framebuffer object of the window's size. Nothing is shown
// and no event arrives; the tests read the pixels back.
#include <cstdio>
#include <cstdlib>

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include "platform/gl/webgl.h"
#include "platform/glut/toolkit.h"

namespace {

struct Surface {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    GLuint framebuffer = 0;
    GLuint colour = 0;
    GLuint depth = 0;
};

Surface surface;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "glut: cannot open a window without a display: %s (EGL error 0x%04x)\n",
                 what, static_cast<unsigned>(eglGetError()));
    std::exit(1);
}

void makeContextCurrent() {
    const auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
        eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr) {
        fail("no eglGetPlatformDisplayEXT");
    }
    surface.display =
        getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (surface.display == EGL_NO_DISPLAY ||
        eglInitialize(surface.display, nullptr, nullptr) != EGL_TRUE) {
        fail("no surfaceless EGL display");
    }
    if (eglBindAPI(EGL_OPENGL_ES_API) != EGL_TRUE) {
        fail("no OpenGL ES");
    }
    const EGLint contextWanted[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_NONE};
    // Drawing goes into a framebuffer object only, so the context needs no configuration.
    surface.context =
        eglCreateContext(surface.display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, contextWanted);
    if (surface.context == EGL_NO_CONTEXT) {
        fail("no OpenGL ES 3 context");
    }
    if (eglMakeCurrent(surface.display, EGL_NO_SURFACE, EGL_NO_SURFACE, surface.context) !=
        EGL_TRUE) {
        fail("the context cannot be made current");
    }
    if (!layer::loadWebGlCalls()) {
        fail("the OpenGL ES 3 context lacks calls the layer needs");
    }
    emscripten_glGenFramebuffers(1, &surface.framebuffer);
    emscripten_glGenRenderbuffers(1, &surface.colour);
    emscripten_glGenRenderbuffers(1, &surface.depth);
}

// The window's own framebuffer, at its size: colour, and depth packed with stencil.
void sizeFramebuffer(int width, int height) {
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, surface.colour);
    emscripten_glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, surface.depth);
    emscripten_glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    emscripten_glBindRenderbuffer(GL_RENDERBUFFER, 0);
    emscripten_glBindFramebuffer(GL_FRAMEBUFFER, surface.framebuffer);
    emscripten_glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER,
                                         surface.colour);
    emscripten_glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT,
                                         GL_RENDERBUFFER, surface.depth);
    if (emscripten_glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        fail("the window's framebuffer is incomplete");
    }
}

}  // namespace

namespace glut::platform {

void openSurface(int width, int height, const char*) {
    if (surface.context == EGL_NO_CONTEXT) {
        makeContextCurrent();
    }
    sizeFramebuffer(width, height);
}

// The context stays: textures and the layer's state outlive the window, as the tests want.
void closeSurface() {}

// Natively nothing presses a button, so no menu ever opens.
void openMenu(int, int, int) {}

}  // namespace glut::platform
