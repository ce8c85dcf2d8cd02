// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The WebGL 2 calls on OpenGL ES 3, for the layer's native tests: each one forwards to the entry
// point that EGL hands out, so nothing here links against an OpenGL library by name.
#include "platform/gl/webgl.h"

#include <EGL/egl.h>

namespace {

#define LAYER_WEBGL_POINTER(result, name, parameters, arguments) \
    result(*name##Pointer) parameters = nullptr;
LAYER_WEBGL_CALLS(LAYER_WEBGL_POINTER)
#undef LAYER_WEBGL_POINTER

}  // namespace

#define LAYER_DEFINE_WEBGL_CALL(result, name, parameters, arguments) \
    extern "C" result emscripten_gl##name parameters {               \
        return name##Pointer arguments;                              \
    }
LAYER_WEBGL_CALLS(LAYER_DEFINE_WEBGL_CALL)
#undef LAYER_DEFINE_WEBGL_CALL

namespace layer {

bool loadWebGlCalls() {
    bool complete = true;
#define LAYER_LOAD_WEBGL_CALL(result, name, parameters, arguments)                         \
    name##Pointer = reinterpret_cast<result(*) parameters>(eglGetProcAddress("gl" #name)); \
    complete = complete && name##Pointer != nullptr;
    LAYER_WEBGL_CALLS(LAYER_LOAD_WEBGL_CALL)
#undef LAYER_LOAD_WEBGL_CALL
    return complete;
}

}  // namespace layer
