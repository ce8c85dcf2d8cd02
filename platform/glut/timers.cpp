// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// One-shot timers: the callback and value wait here under a number while the platform counts
// the time down.
#include <map>

#include <GL/glut.h>

#include "platform/glut/toolkit.h"

namespace {

struct Timer {
    void (*callback)(int);
    int value;
};

std::map<int, Timer> waiting;
int nextTimer = 1;

}  // namespace

namespace glut {

void fireTimer(int timer) {
    const auto found = waiting.find(timer);
    if (found == waiting.end()) {
        return;
    }
    // Taken out first: the callback usually arms its successor.
    const Timer due = found->second;
    waiting.erase(found);
    due.callback(due.value);
}

}  // namespace glut

void glutTimerFunc(unsigned int milliseconds, void (*callback)(int value), int value) {
    if (callback == nullptr) {
        return;
    }
    const int timer = nextTimer++;
    waiting[timer] = {callback, value};
    glut::platform::startTimer(timer, milliseconds);
}
