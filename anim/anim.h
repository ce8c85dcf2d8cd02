// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's animation: the sun and sky cycle and the duck walks. Each timer callback applies
// its tick to GL and re-arms; the arithmetic is in plain functions.
#pragma once

namespace quelmire {

inline constexpr unsigned kSunTickMs = 20;
inline constexpr unsigned kDuckAngleTickMs = 108;
inline constexpr unsigned kDuckOffsetTickMs = 103;

// GLUT timer callback of the sun: one step of the cycle, then the next tick or the fixed light.
void sunTimer(int value);
// Flips between the moving sun and the fixed light; starts a tick chain unless one is pending.
void toggleSunLight();
// The white light straight above the scene, always switched on.
void setFixedLight();

// Light 0's place and colour (ambient, diffuse and specular alike): the one place Quelmire sets
// them. Start-up gives the colour first; the sun ticks and the fixed light place the light first.
// The place goes through the modelview matrix of the moment.
enum class LightOrder { kColourFirst, kPlaceFirst };
void setLight(const float* position, const float* colour, LightOrder order);
// Arms the next sun tick and records that one is pending.
void scheduleSunTick();
// Whether a sun tick is armed and has not run yet: at most one chain ever runs.
bool sunTickPending();

// The state half of a sun tick, before and after GL sees the light: turns, move and light
// colour; then the sky colour. True from moveSun if light 0 shines at the new height.
bool moveSun();
void moveSky();

// GLUT timer callbacks of the duck walks.
void duckAngleTimer(int value);
void duckOffsetTimer(int value);
// One step of each walk, renewing the shared step by the third of three rand() draws when the
// value has left its band.
int stepDuckAngle(int a);
int stepDuckOffset(int a);
// One tick of each walk over the three ducks in order.
void stepDuckAngles();
void stepDuckOffsets();

}  // namespace quelmire
