// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstdlib>

#include <GL/glut.h>

#include "anim/anim.h"
#include "app/app.h"
#include "common/common.h"
#include "input/input.h"

namespace quelmire {

void resetZoom() {
    scene.camera.zoom = SceneState{}.camera.zoom;
}

void resetRotation() {
    scene.camera.rotationX = SceneState{}.camera.rotationX;
    scene.camera.rotationY = SceneState{}.camera.rotationY;
}

void resetMove() {
    scene.camera.moveX = 0.0f;
    scene.camera.moveY = 0.0f;
}

void setFilled() {
    scene.renderPrimitive = kFilledPrimitive;
    scene.quadricStyle = kFilledStyle;
}

void setLines() {
    scene.renderPrimitive = kLinesPrimitive;
    scene.quadricStyle = kLinesStyle;
}

void setPoints() {
    scene.renderPrimitive = kPointsPrimitive;
    scene.quadricStyle = kPointsStyle;
}

void toggleFog() {
    scene.fogOn = !scene.fogOn;
}

bool applyKey(unsigned char key) {
    switch (key) {
        case 'z':
        case 'Z':
            resetZoom();
            return true;
        case 'r':
        case 'R':
            resetRotation();
            return true;
        case 'm':
        case 'M':
            resetMove();
            return true;
        case 'n':
        case 'N':
            setFilled();
            return true;
        case 'l':
        case 'L':
            setLines();
            return true;
        case 'p':
        case 'P':
            setPoints();
            return true;
        case 'f':
        case 'F':
            toggleFog();
            return true;
        case 's':
        case 'S':
            toggleSunLight();
            return true;
        case 'h':
        case 'H':
            printHelp();
            return true;
        default:
            return false;
    }
}

void keyboard(unsigned char key, int, int) {
    if (common::isQuitKey(key)) {
        common::quitWindow(scene.windowId);
    }
    applyKey(key);
}

void mainMenu(int value) {
    switch (value) {
        case kMenuToggleLight:
            toggleSunLight();
            break;
        case kMenuToggleFog:
            toggleFog();
            break;
        case kMenuHelp:
            printHelp();
            break;
        case kMenuQuit:
            std::exit(0);
        default:
            break;
    }
}

void resetMenu(int value) {
    switch (value) {
        case kMenuResetZoom:
            resetZoom();
            break;
        case kMenuResetRotation:
            resetRotation();
            break;
        case kMenuResetMove:
            resetMove();
            break;
        default:
            break;
    }
}

void renderModeMenu(int value) {
    switch (value) {
        case kMenuFilled:
            setFilled();
            break;
        case kMenuLines:
            setLines();
            break;
        case kMenuPoints:
            setPoints();
            break;
        default:
            break;
    }
}

}  // namespace quelmire
