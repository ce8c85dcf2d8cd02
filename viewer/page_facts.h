// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Brindlefen's page in the browser: the texture file it fetches for the program and the lines
// under the canvas that say how to drive it. Plain values, read by the site's build
// (site/page_facts.cpp) beside the window's size in viewer/facts.h.
#pragma once

#include "assets/texture_files.h"

namespace brindlefen {

// The texture file that the program reads from its working directory.
inline const assets::TextureFile* const kPageFiles[] = {&assets::kGrassTextureFile};

// How to drive the program with a mouse and keys, and with a finger.
inline constexpr const char* kPageHint =
    "Drag to turn the land, right-click for the menu; with the picture focused (click it), h "
    "shows the help and q quits.";
inline constexpr const char* kPageTouchHint =
    "On a touch screen, drag one finger to turn the land; touch and hold for the menu, which "
    "holds every command: the land, the duck, the help and Quit.";

}  // namespace brindlefen
