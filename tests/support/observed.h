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
    return {scene.rotationX,
            scene.rotationY,
            scene.zoom,
            scene.moveX,
            scene.moveY,
            scene.rotating,
            scene.zooming,
            scene.moving,
            scene.lastMouseX,
            scene.lastMouseY,
            scene.renderPrimitive,
            scene.quadricStyle,
            scene.sunLight,
            scene.fogOn};
}

// A state far from the initial one in every field, with a zoom drag in progress.
inline void stirScene() {
    scene.rotationX = 123.0f;
    scene.rotationY = -400.0f;
    scene.zoom = 700.0f;
    scene.moveX = 30.0f;
    scene.moveY = -40.0f;
    scene.zooming = true;
    scene.lastMouseX = 10.0f;
    scene.lastMouseY = 20.0f;
    scene.renderPrimitive = kLinesPrimitive;
    scene.quadricStyle = kLinesStyle;
    scene.fogOn = true;
}
