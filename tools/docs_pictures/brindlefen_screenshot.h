// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Brindlefen's software-centre screenshot, drawn by its own start-up and callbacks: its window
// as it opens (titled and sized by brindlefen::start), turned by a 28-pixel left drag downwards, then
// "Toggle Duck" from its menu.
#pragma once

#include "tools/docs_pictures/read_back.h"

// Starts Brindlefen in this process, with the command line for glutInit, and reads the picture
// back. Needs an X display and the texture in the working directory.
RgbImage drawBrindlefenScreenshot(int& argc, char** argv);
