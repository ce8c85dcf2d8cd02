// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Where the tests find what the build made. Compiled into one small file only, so that every
// other test file is the same in every checkout and the compiler cache can reuse it.
#pragma once

#include <string>

std::string quelmirePath();
std::string brindlefenPath();
// The folder where the build put the programs and the RAW textures beside them.
std::string dataDir();
std::string sourceDir();
std::string binaryDir();
// The preloaded probe (probe.h); empty in a sanitizer build, where nothing may be preloaded.
std::string probePath();
// The tool that asks a window to close as a window manager's close button does.
std::string closeWindowPath();
// The texture painter (tools/textures/) and the screen-dump converter (tools/pictures/).
std::string texgenPath();
std::string xwd2pngPath();
// The tool that draws the README's pictures and the programs' screenshots with the programs'
// own code (docshot).
std::string docsPicturesPath();
// The tools that draw the moments at which the desktop's frames and the browser platform's are
// compared (tools/moments): on the desktop's OpenGL, and on the platform natively (empty but in
// the sanitizer build, which builds the platform).
std::string momentshotPath();
std::string brindlefenMomentshotPath();
std::string layerMomentshotPath();
std::string layerBrindlefenMomentshotPath();
