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
    return {quelmire::scene.rotationX,
            quelmire::scene.rotationY,
            quelmire::scene.zoom,
            quelmire::scene.moveX,
            quelmire::scene.moveY,
            quelmire::scene.rotating,
            quelmire::scene.zooming,
            quelmire::scene.moving,
            quelmire::scene.lastMouseX,
            quelmire::scene.lastMouseY,
            quelmire::scene.renderPrimitive,
            quelmire::scene.quadricStyle,
            quelmire::scene.sunLight,
            quelmire::scene.fogOn};
}

// A state far from the initial one in every field, with a zoom drag in progress.
inline void stirScene() {
    quelmire::scene.rotationX = 123.0f;
    quelmire::scene.rotationY = -400.0f;
    quelmire::scene.zoom = 700.0f;
    quelmire::scene.moveX = 30.0f;
    quelmire::scene.moveY = -40.0f;
    quelmire::scene.zooming = true;
    quelmire::scene.lastMouseX = 10.0f;
    quelmire::scene.lastMouseY = 20.0f;
    quelmire::scene.renderPrimitive = quelmire::kLinesPrimitive;
    quelmire::scene.quadricStyle = quelmire::kLinesStyle;
    quelmire::scene.fogOn = true;
}
