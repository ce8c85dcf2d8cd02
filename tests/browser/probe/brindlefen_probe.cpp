// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Linked into Brindlefen as the browser tests drive it, beside its own main: the state that the
// user's mouse, keys, menus and touches change, as JSON, so that a test can read what its
// events did. Nothing else of the program differs.
#include <emscripten/emscripten.h>

#include "tests/browser/probe/state_json.h"
#include "viewer/viewer.h"

using brindlefen::viewer;
using probe::flag;

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* testBrindlefenState() {
    return probe::stateJson(
        "{\"rotationX\": %g, \"rotationY\": %g, \"rotating\": %s, \"showLand\": %g, "
        "\"showDuck\": %g}",
        viewer.camera.rotationX, viewer.camera.rotationY, flag(viewer.camera.rotating),
        viewer.showLand, viewer.showDuck);
}

}  // extern "C"
