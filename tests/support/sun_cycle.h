// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The sun cycle's state, ticked and compared without GL, for the tests of the cycle and of the
// timer that drives it.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "anim/anim.h"
#include "app/app.h"

constexpr int kCycleTicks = 3200;

// The state half of one tick, as sunTimer runs it, without GL. True if light 0 shines.
inline bool tick() {
    const bool lit = quelmire::moveSun();
    quelmire::moveSky();
    return lit;
}

// Everything the cycle carries from tick to tick, as raw bits so that -0 and 0 differ.
inline std::vector<std::uint32_t> cycleBits(bool withStepX) {
    std::vector<float> values;
    values.insert(values.end(), quelmire::scene.sunPosition, quelmire::scene.sunPosition + 4);
    values.insert(values.end(), quelmire::scene.lightColour, quelmire::scene.lightColour + 4);
    values.insert(values.end(), quelmire::scene.skyColour, quelmire::scene.skyColour + 4);
    values.push_back(quelmire::scene.sunStepY);
    values.push_back(quelmire::scene.skyStepR);
    values.push_back(quelmire::scene.skyStepG);
    values.push_back(quelmire::scene.skyStepB);
    if (withStepX) {
        values.push_back(quelmire::scene.sunStepX);
    }
    std::vector<std::uint32_t> bits(values.size());
    std::memcpy(bits.data(), values.data(), values.size() * sizeof(float));
    return bits;
}
