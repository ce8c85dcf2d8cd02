// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Linked into Quelmire as the browser tests drive it, beside its own main: the state that the
// user's mouse, keys, menus and touches change, as JSON, so that a test can read what its
// events did. Nothing else of the program differs.
#include <emscripten/emscripten.h>

#include "tests/browser/probe/state_json.h"
#include "app/app.h"

using probe::flag;
using quelmire::scene;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* testQuelmireState() {
    return probe::stateJson(
        "{\"rotationX\": %g, \"rotationY\": %g, \"zoom\": %g, \"moveX\": %g, "
        "\"moveY\": %g, \"rotating\": %s, \"zooming\": %s, \"moving\": %s, "
        "\"renderPrimitive\": %d, \"quadricStyle\": %d, \"fogOn\": %s, "
        "\"sunLight\": %s}",
        scene.camera.rotationX, scene.camera.rotationY, scene.camera.zoom, scene.camera.moveX,
        scene.camera.moveY, flag(scene.camera.rotating), flag(scene.camera.zooming),
        flag(scene.camera.moving), scene.renderPrimitive, scene.quadricStyle, flag(scene.fogOn),
        flag(scene.sunLight));
}

}  // extern "C"
