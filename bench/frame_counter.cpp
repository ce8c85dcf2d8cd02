// A tiny LD_PRELOAD shim that counts what a running program really does, without changing it:
// every buffer swap (each frame ends in exactly one, and on Xvfb the swap copies the frame to
// the window before it returns) and every light-0 position (set only by the sun tick). The
// counts live in a file that the bench driver maps too, named by QUELMIRE_FRAME_COUNTER.
#include <cstdlib>

#include <GL/gl.h>
#include <GL/glx.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include "bench/frame_counter.h"

namespace {

FrameCounts* counts() {
    static FrameCounts* shared = [] {
        const char* path = std::getenv(kFrameCounterVariable);
        if (path == nullptr) {
            return static_cast<FrameCounts*>(nullptr);
        }
        const int fd = open(path, O_RDWR);
        if (fd < 0) {
            return static_cast<FrameCounts*>(nullptr);
        }
        void* map = mmap(nullptr, sizeof(FrameCounts), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        return map == MAP_FAILED ? nullptr : static_cast<FrameCounts*>(map);
    }();
    return shared;
}

template <typename Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    static const auto real = next<void (*)(Display*, GLXDrawable)>("glXSwapBuffers");
    real(display, drawable);
    if (FrameCounts* c = counts()) {
        const std::int64_t now = monotonicNanoseconds();
        if (c->firstSwapNs.load() == 0) {
            c->firstSwapCpuNs.store(nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
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
        if (FrameCounts* c = counts()) {
            c->lightPositions.fetch_add(1);
        }
    }
}

}  // extern "C"
