// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The window and its callbacks: what GLUT keeps for a window and when it calls what, the same in
// the browser and natively.
#include <GL/glut.h>

#include "platform/gl/layer.h"
#include "platform/glut/toolkit.h"

namespace {

constexpr int kDefaultWindowSize = 300;  // GLUT's own, when the program sets none
constexpr int kWindowId = 1;

struct Callbacks {
    void (*display)() = nullptr;
    void (*reshape)(int, int) = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*mouse)(int, int, int, int) = nullptr;
    void (*motion)(int, int) = nullptr;
    void (*idle)() = nullptr;
};

struct Window {
    int width = kDefaultWindowSize;
    int height = kDefaultWindowSize;
    bool open = false;
    // A new window is reshaped and drawn once before any redisplay is asked for.
    bool reshapePending = false;
    bool redisplayPosted = false;
    unsigned buttonsHeld = 0;
};

Window window;
Callbacks callbacks;
// Only meaningful while a keyboard or mouse callback runs; 0 elsewhere.
int modifiersNow = 0;

// Sets the modifiers for the length of one callback.
class ModifiersDuring {
  public:
    explicit ModifiersDuring(int modifiers) { modifiersNow = modifiers; }
    ~ModifiersDuring() { modifiersNow = 0; }
    ModifiersDuring(const ModifiersDuring&) = delete;
    ModifiersDuring& operator=(const ModifiersDuring&) = delete;
};

unsigned buttonBit(int button) {
    return 1u << static_cast<unsigned>(button);
}

}  // namespace

namespace glut {

void runIdle() {
    if (callbacks.idle != nullptr) {
        callbacks.idle();
    }
}

bool hasIdle() {
    return callbacks.idle != nullptr;
}

bool redisplayPosted() {
    return window.open && window.redisplayPosted;
}

void showFrameIfPosted() {
    if (!window.open) {
        return;
    }
    if (window.reshapePending) {
        window.reshapePending = false;
        if (callbacks.reshape != nullptr) {
            callbacks.reshape(window.width, window.height);
        } else {
            glViewport(0, 0, window.width, window.height);
        }
    }
    if (!window.redisplayPosted) {
        return;
    }
    // Cleared first: a display that posts again asks for the next frame.
    window.redisplayPosted = false;
    if (callbacks.display != nullptr) {
        callbacks.display();
    }
}

void deliverKey(unsigned char key, int x, int y, int modifiers) {
    if (!window.open || callbacks.keyboard == nullptr) {
        return;
    }
    const ModifiersDuring during(modifiers);
    callbacks.keyboard(key, x, y);
}

void deliverMouse(int button, int state, int x, int y, int modifiers) {
    if (!window.open || button < 0 || button > 31) {
        return;
    }
    const int menu = menuAttachedTo(button);
    if (menu != 0) {
        if (state == GLUT_DOWN) {
            platform::openMenu(menu, x, y);
        }
        return;
    }
    if (state == GLUT_DOWN) {
        window.buttonsHeld |= buttonBit(button);
    } else if (buttonHeld(button)) {
        window.buttonsHeld &= ~buttonBit(button);
    } else {
        return;
    }
    if (callbacks.mouse == nullptr) {
        return;
    }
    const ModifiersDuring during(modifiers);
    callbacks.mouse(button, state, x, y);
}

bool buttonHeld(int button) {
    return button >= 0 && button <= 31 && (window.buttonsHeld & buttonBit(button)) != 0;
}

void deliverMotion(int x, int y) {
    if (window.open && window.buttonsHeld != 0 && callbacks.motion != nullptr) {
        callbacks.motion(x, y);
    }
}

}  // namespace glut

void glutInit(int*, char**) {}

// Every surface has what the programs ask for: RGB, double-buffered, with depth.
void glutInitDisplayMode(unsigned int) {}

void glutInitWindowSize(int width, int height) {
    if (width > 0 && height > 0) {
        window.width = width;
        window.height = height;
    }
}

// A page has no say in where its canvas lies.
void glutInitWindowPosition(int, int) {}

int glutCreateWindow(const char* title) {
    glut::platform::openSurface(window.width, window.height, title != nullptr ? title : "");
    layer::attachSurface(window.width, window.height);
    window.open = true;
    window.reshapePending = true;
    window.redisplayPosted = true;
    window.buttonsHeld = 0;
    return kWindowId;
}

void glutDestroyWindow(int id) {
    if (id != kWindowId || !window.open) {
        return;
    }
    window.open = false;
    glut::platform::closeSurface();
}

void glutDisplayFunc(void (*callback)(void)) {
    callbacks.display = callback;
}

void glutReshapeFunc(void (*callback)(int, int)) {
    callbacks.reshape = callback;
}

void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    callbacks.keyboard = callback;
}

void glutMouseFunc(void (*callback)(int, int, int, int)) {
    callbacks.mouse = callback;
}

void glutMotionFunc(void (*callback)(int, int)) {
    callbacks.motion = callback;
}

void glutIdleFunc(void (*callback)(void)) {
    callbacks.idle = callback;
}

void glutPostRedisplay(void) {
    window.redisplayPosted = true;
}

void glutSwapBuffers(void) {
    if (window.open) {
        layer::flushDrawing();
    }
}

int glutGetModifiers(void) {
    return modifiersNow;
}
