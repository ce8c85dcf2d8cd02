// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's page in the browser: the texture files it fetches for the program, the lines under
// the canvas that say how to drive it, and what a finger's drag can be. Plain values, read by the
// site's build (site/page_facts.cpp) beside the window's size in app/facts.h.
#pragma once

#include "assets/texture_files.h"

namespace quelmire {

// The texture files that the program reads from its working directory.
inline const assets::TextureFile* const kPageFiles[] = {
    &assets::kWoodTextureFile, &assets::kSign1TextureFile, &assets::kSign2TextureFile,
    &assets::kGrassTextureFile};

// How to drive the program with a mouse and keys, and with a finger.
inline constexpr const char* kPageHint =
    "Drag to turn the scene (with Shift to zoom, with Ctrl to pan), right-click for the menu; "
    "with the scene focused (click it), h shows the help and q quits.";
inline constexpr const char* kPageTouchHint =
    "On a touch screen, drag one finger to turn the scene, or to zoom or pan it as chosen below; "
    "touch and hold for the menu, which holds every other command.";

// The choices the page offers of what a finger's drag is (a phone has no Shift or Ctrl to
// hold), each with the GLUT_ACTIVE_* modifiers that it stands for; the first is chosen at start.
struct TouchDrag {
    const char* label;
    int modifiers;
};
inline constexpr TouchDrag kTouchDrags[] = {
    {"turns", 0},
    {"zooms (as Shift)", 1},  // GLUT_ACTIVE_SHIFT
    {"pans (as Ctrl)", 2},    // GLUT_ACTIVE_CTRL
};

}  // namespace quelmire
