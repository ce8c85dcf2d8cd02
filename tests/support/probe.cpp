// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/probe.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string probeFile(const char* name) {
    const char* dir = std::getenv(kProbeDirVariable);
    return dir == nullptr ? std::string() : std::string(dir) + "/" + name;
}

ProbeCounts* counts() {
    static ProbeCounts* shared = [] {
        const int fd = open(probeFile(kProbeCountsFile).c_str(), O_RDWR);
        if (fd < 0) {
            return static_cast<ProbeCounts*>(nullptr);
        }
        void* map = mmap(nullptr, sizeof(ProbeCounts), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        return map == MAP_FAILED ? nullptr : static_cast<ProbeCounts*>(map);
    }();
    return shared;
}

// One line per call, written at once, so that a test reads whole lines while the program runs.
void logMenuCall(const std::string& line) {
    static const int fd =
        open(probeFile(kProbeMenusFile).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd >= 0) {
        const std::string text = line + "\n";
        static_cast<void>(write(fd, text.data(), text.size()));
    }
}

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

std::int64_t stdoutBytes() {
    struct stat s {};
    return fstat(1, &s) == 0 && S_ISREG(s.st_mode) ? static_cast<std::int64_t>(s.st_size) : -1;
}

// The place asked for in the environment, if any.
struct Place {
    int x, y, side;
};
bool placeAskedFor(Place& place) {
    const char* text = std::getenv(kProbeWindowVariable);
    return text != nullptr && std::sscanf(text, "%d %d %d", &place.x, &place.y, &place.side) == 3;
}

}  // namespace

extern "C" {

// Brindlefen asks for a size only, so the place goes with the size.
void glutInitWindowSize(int width, int height) {
    static const auto real = next<void (*)(int, int)>("glutInitWindowSize");
    static const auto realPosition = next<void (*)(int, int)>("glutInitWindowPosition");
    Place place{};
    if (placeAskedFor(place)) {
        real(place.side, place.side);
        realPosition(place.x, place.y);
    } else {
        real(width, height);
    }
}

void glutInitWindowPosition(int x, int y) {
    static const auto real = next<void (*)(int, int)>("glutInitWindowPosition");
    Place place{};
    if (placeAskedFor(place)) {
        real(place.x, place.y);
    } else {
        real(x, y);
    }
}

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    real(display, drawable);
    if (ProbeCounts* c = counts()) {
        const std::int64_t now = monotonicNanoseconds();
        if (c->firstSwapNs.load() == 0) {
            c->firstSwapCpuNs.store(nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
            c->stdoutBytesAtFirstSwap.store(stdoutBytes());
            c->firstSwapNs.store(now);
        }
        c->lastSwapNs.store(now);
        c->swaps.fetch_add(1);
    }
}

void glLightfv(GLenum light, GLenum name, const GLfloat* params) {
    static const auto real = next<void (*)(GLenum, GLenum, const GLfloat*)>("glLightfv");
    real(light, name, params);
    if (light == GL_LIGHT0 && name == GL_POSITION) {
        if (ProbeCounts* c = counts()) {
            c->lightPositions.fetch_add(1);
        }
    }
}

int glutCreateMenu(void (*callback)(int)) {
    static const auto real = next<int (*)(void (*)(int))>("glutCreateMenu");
    const int menu = real(callback);
    logMenuCall("menu " + std::to_string(menu));
    return menu;
}

void glutAddMenuEntry(const char* label, int value) {
    static const auto real = next<void (*)(const char*, int)>("glutAddMenuEntry");
    real(label, value);
    logMenuCall("entry " + std::to_string(value) + " " + label);
}

void glutAddSubMenu(const char* label, int submenu) {
    static const auto real = next<void (*)(const char*, int)>("glutAddSubMenu");
    real(label, submenu);
    logMenuCall("submenu " + std::to_string(submenu) + " " + label);
}

void glutAttachMenu(int button) {
    static const auto real = next<void (*)(int)>("glutAttachMenu");
    real(button);
    logMenuCall("attach " + std::to_string(button));
}

}  // extern "C"
