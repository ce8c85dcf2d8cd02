// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The four pictures texgen paints, square, `size` pixels a side. Each starts from its own fixed
// seed, so the order they are painted in does not matter. Grass and bark tile at any size whose
// noise cells divide it; the signs' pictures are laid out for a board of 256.
#pragma once

#include "tools/textures/texgen/image.h"

Image paintGrass(int size);
Image paintWood(int size);
Image paintDuckSign(int size);
Image paintTreeSign(int size);
