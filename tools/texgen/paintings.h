// The four pictures texgen paints, each from its own fixed seed, so that the order they are
// painted in does not matter.
#pragma once

#include "tools/texgen/image.h"

inline constexpr int kSignSize = 256;
inline constexpr int kWoodSize = 256;
inline constexpr int kGrassSize = 512;

Image paintGrass();
Image paintWood();
Image paintDuckSign();
Image paintTreeSign();
