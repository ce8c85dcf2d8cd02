// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The toolkit on a page: the canvas and its WebGL 2 context, the browser's animation frames as
// the main loop, and the page's events, timers and menus through the scripts in browser/.
#include <cstdio>
#include <cstdlib>

#include <emscripten/emscripten.h>
#include <emscripten/html5_webgl.h>

#include <GL/freeglut.h>

#include "platform/gl/layer.h"
#include "platform/glut/toolkit.h"

// browser/*.js
extern "C" {
void glutPageOpenWindow(int width, int height, const char* title, const char* target);
float glutPageScale(void);
void glutPageCloseWindow(void);
void glutPageStartTimer(int timer, unsigned milliseconds);
void glutPageBeginMenu(int x, int y);
void glutPageAddMenuEntry(int depth, const char* label, int menu, int value, int opensSubmenu);
void glutPageShowMenu(void);
void glutPageContextLost(void);
}

namespace {

// The name under which glutPageOpenWindow gives Emscripten's WebGL calls the page's canvas.
constexpr const char* kCanvas = "!glut-window";
// A menu that holds itself, directly or not, is cut off here.
constexpr int kDeepestSubmenu = 8;

void frame() {
    glut::runIdle();
    glut::showFrameIfPosted();
}

void addMenuEntries(int menu, int depth) {
    const auto* entries = glut::menuEntries(menu);
    if (entries == nullptr) {
        return;
    }
    for (const glut::MenuEntry& entry : *entries) {
        if (entry.submenu == 0) {
            glutPageAddMenuEntry(depth, entry.label.c_str(), menu, entry.value, 0);
        } else if (depth < kDeepestSubmenu) {
            glutPageAddMenuEntry(depth, entry.label.c_str(), entry.submenu, 0, 1);
            addMenuEntries(entry.submenu, depth + 1);
        }
    }
}

}  // namespace

namespace glut::platform {

void openSurface(int width, int height, const char* title) {
    static EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;
    // Sized first: a new context takes the canvas's size, an old one follows it.
    glutPageOpenWindow(width, height, title, kCanvas);
    layer::setSurfaceScale(glutPageScale());
    if (context > 0) {
        return;
    }
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    attributes.alpha = false;
    attributes.depth = true;
    attributes.stencil = false;
    attributes.antialias = false;
    attributes.preserveDrawingBuffer = false;
    context = emscripten_webgl_create_context(kCanvas, &attributes);
    if (context <= 0 ||
        emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) {
        std::fprintf(stderr, "%s: this browser offers the page no WebGL 2\n", title);
        std::exit(1);
    }
    // Lost before it was ever drawn on: the layer waits for the browser to give it back.
    if (emscripten_is_webgl_context_lost(context)) {
        layer::loseSurface();
        glutPageContextLost();
    }
}

void closeSurface() {
    glutPageCloseWindow();
}

void startTimer(int timer, unsigned milliseconds) {
    glutPageStartTimer(timer, milliseconds);
}

void openMenu(int menu, int x, int y) {
    glutPageBeginMenu(x, y);
    addMenuEntries(menu, 0);
    glutPageShowMenu();
}

}  // namespace glut::platform

// The page's events, from browser/*.js.
extern "C" {

EMSCRIPTEN_KEEPALIVE void glutOnPageKey(int key, int x, int y, int modifiers) {
    glut::deliverKey(static_cast<unsigned char>(key), x, y, modifiers);
}

EMSCRIPTEN_KEEPALIVE void glutOnPageMouse(int button, int state, int x, int y, int modifiers) {
    glut::deliverMouse(button, state, x, y, modifiers);
}

// A finger's drag.
EMSCRIPTEN_KEEPALIVE void glutOnPageMotion(int x, int y) {
    glut::deliverMotion(x, y);
}

// The mouse moved with `buttonsDown` (bit b for GLUT button b) down: a held button that is no
// longer down was released where the page could not see it (another window).
EMSCRIPTEN_KEEPALIVE void glutOnPageMouseMove(int x, int y, int buttonsDown, int modifiers) {
    for (int button = GLUT_LEFT_BUTTON; button <= GLUT_RIGHT_BUTTON; ++button) {
        if (glut::buttonHeld(button) && (buttonsDown & (1 << button)) == 0) {
            glut::deliverMouse(button, GLUT_UP, x, y, modifiers);
        }
    }
    glut::deliverMotion(x, y);
}

// The canvas now has `scale` device pixels per window pixel, and has lost its picture: it is
// drawn again, as a window that the window system exposes is.
EMSCRIPTEN_KEEPALIVE void glutOnPageScale(float scale) {
    layer::setSurfaceScale(scale);
    glutPostRedisplay();
}

// The browser took the canvas's context away: the program goes on, its frames drawing nothing.
EMSCRIPTEN_KEEPALIVE void glutOnPageContextLost() {
    layer::loseSurface();
}

// The browser gave a context back: everything is made on it again, and the picture drawn anew,
// as a window that the window system exposes is.
EMSCRIPTEN_KEEPALIVE void glutOnPageContextRestored() {
    layer::restoreSurface();
    glutPostRedisplay();
}

EMSCRIPTEN_KEEPALIVE void glutOnPageTimer(int timer) {
    glut::fireTimer(timer);
}

EMSCRIPTEN_KEEPALIVE void glutOnPageMenuPick(int menu, int value) {
    glut::pickMenuEntry(menu, value);
}

}  // extern "C"

// The browser calls frame() at every animation frame from here on. main() does not return: its
// locals (the programs keep their images there) live as long as the page. exit() ends it all:
// browser/end.js sees to that.
void glutMainLoop(void) {
    emscripten_set_main_loop(frame, 0, 1);
}

// The page's own timers run by themselves; what is due here is a posted redisplay.
void glutMainLoopEvent(void) {
    glut::showFrameIfPosted();
}
