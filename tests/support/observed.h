// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The part of Quelmire's scene that mouse, keys and menus may touch, read and compared as one.
#pragma once

#include <ostream>

#include "app/app.h"

// The part of the scene that mouse, keys and menus may touch.
struct Observed {
    float rotationX, rotationY, zoom, moveX, moveY;
    bool rotating, zooming, moving;
    float lastMouseX, lastMouseY;
    int renderPrimitive, quadricStyle;
    bool sunLight, fogOn;

    bool operator==(const Observed& o) const {
        return rotationX == o.rotationX && rotationY == o.rotationY && zoom == o.zoom &&
               moveX == o.moveX && moveY == o.moveY && rotating == o.rotating &&
               zooming == o.zooming && moving == o.moving && lastMouseX == o.lastMouseX &&
               lastMouseY == o.lastMouseY && renderPrimitive == o.renderPrimitive &&
               quadricStyle == o.quadricStyle && sunLight == o.sunLight && fogOn == o.fogOn;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Observed& s) {
    return out << "{rotation " << s.rotationX << "," << s.rotationY << " zoom " << s.zoom
               << " move " << s.moveX << "," << s.moveY << " flags r" << s.rotating << " z"
               << s.zooming << " m" << s.moving << " last " << s.lastMouseX << "," << s.lastMouseY
               << " render " << s.renderPrimitive << "/" << s.quadricStyle << " sun " << s.sunLight
               << " fog " << s.fogOn << "}";
}

inline Observed observe() {
    return {quelmire::scene.camera.rotationX,  quelmire::scene.camera.rotationY,
            quelmire::scene.camera.zoom,       quelmire::scene.camera.moveX,
            quelmire::scene.camera.moveY,      quelmire::scene.camera.rotating,
            quelmire::scene.camera.zooming,    quelmire::scene.camera.moving,
            quelmire::scene.camera.lastMouseX, quelmire::scene.camera.lastMouseY,
            quelmire::scene.renderPrimitive,   quelmire::scene.quadricStyle,
            quelmire::scene.sunLight,          quelmire::scene.fogOn};
}

// A state far from the initial one in every field, with a zoom drag in progress.
inline void stirScene() {
    quelmire::scene.camera.rotationX = 123.0f;
    quelmire::scene.camera.rotationY = -400.0f;
    quelmire::scene.camera.zoom = 700.0f;
    quelmire::scene.camera.moveX = 30.0f;
    quelmire::scene.camera.moveY = -40.0f;
    quelmire::scene.camera.zooming = true;
    quelmire::scene.camera.lastMouseX = 10.0f;
    quelmire::scene.camera.lastMouseY = 20.0f;
    quelmire::scene.renderPrimitive = quelmire::kLinesPrimitive;
    quelmire::scene.quadricStyle = quelmire::kLinesStyle;
    quelmire::scene.fogOn = true;
}
