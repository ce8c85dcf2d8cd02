// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The WebGL 2 calls that the renderer and the native window make, under Emscripten's names for
// them (emscripten_glXxx), so that the layer's own glXxx entry points never meet WebGL's. In the
// browser they are Emscripten's; natively, for the tests, webgl_native.cpp defines them on
// OpenGL ES 3 through EGL. Only files that draw include this header, never <GL/gl.h> beside it.
#pragma once

#ifdef __EMSCRIPTEN__
#include <webgl/webgl1.h>
#include <webgl/webgl2.h>
#else
// Types and values only: a call by the plain name would reach the layer's own entry point.
#define GL_GLES_PROTOTYPES 0
#include <GLES3/gl3.h>

// return type, name without its gl prefix, parameters, arguments
#define LAYER_WEBGL_CALLS(X)                                                                       \
    X(void, AttachShader, (GLuint program, GLuint shader), (program, shader))                      \
    X(void, BindBuffer, (GLenum target, GLuint buffer), (target, buffer))                          \
    X(void, BindFramebuffer, (GLenum target, GLuint framebuffer), (target, framebuffer))           \
    X(void, BindRenderbuffer, (GLenum target, GLuint renderbuffer), (target, renderbuffer))        \
    X(void, BindTexture, (GLenum target, GLuint texture), (target, texture))                       \
    X(void, BindVertexArray, (GLuint array), (array))                                              \
    X(void, BlendFunc, (GLenum sfactor, GLenum dfactor), (sfactor, dfactor))                       \
    X(void, BufferData, (GLenum target, GLsizeiptr size, const void* data, GLenum usage),          \
      (target, size, data, usage))                                                                 \
    X(GLenum, CheckFramebufferStatus, (GLenum target), (target))                                   \
    X(void, Clear, (GLbitfield mask), (mask))                                                      \
    X(void, ClearColor, (GLfloat r, GLfloat g, GLfloat b, GLfloat a), (r, g, b, a))                \
    X(void, ClearDepthf, (GLfloat depth), (depth))                                                 \
    X(void, CompileShader, (GLuint shader), (shader))                                              \
    X(GLuint, CreateProgram, (void), ())                                                           \
    X(GLuint, CreateShader, (GLenum type), (type))                                                 \
    X(void, DeleteShader, (GLuint shader), (shader))                                               \
    X(void, Disable, (GLenum cap), (cap))                                                          \
    X(void, DrawElements, (GLenum mode, GLsizei count, GLenum type, const void* indices),          \
      (mode, count, type, indices))                                                                \
    X(void, Enable, (GLenum cap), (cap))                                                           \
    X(void, EnableVertexAttribArray, (GLuint index), (index))                                      \
    X(void, Finish, (void), ())                                                                    \
    X(void, Flush, (void), ())                                                                     \
    X(void, FramebufferRenderbuffer,                                                               \
      (GLenum target, GLenum attachment, GLenum renderbuffertarget, GLuint renderbuffer),          \
      (target, attachment, renderbuffertarget, renderbuffer))                                      \
    X(void, GenBuffers, (GLsizei n, GLuint * buffers), (n, buffers))                               \
    X(void, GenFramebuffers, (GLsizei n, GLuint * framebuffers), (n, framebuffers))                \
    X(void, GenRenderbuffers, (GLsizei n, GLuint * renderbuffers), (n, renderbuffers))             \
    X(void, GenTextures, (GLsizei n, GLuint * textures), (n, textures))                            \
    X(void, GenVertexArrays, (GLsizei n, GLuint * arrays), (n, arrays))                            \
    X(void, GetProgramInfoLog,                                                                     \
      (GLuint program, GLsizei bufSize, GLsizei * length, GLchar * infoLog),                       \
      (program, bufSize, length, infoLog))                                                         \
    X(void, GetProgramiv, (GLuint program, GLenum pname, GLint * params),                          \
      (program, pname, params))                                                                    \
    X(void, GetShaderInfoLog,                                                                      \
      (GLuint shader, GLsizei bufSize, GLsizei * length, GLchar * infoLog),                        \
      (shader, bufSize, length, infoLog))                                                          \
    X(void, GetShaderiv, (GLuint shader, GLenum pname, GLint * params), (shader, pname, params))   \
    X(GLint, GetUniformLocation, (GLuint program, const GLchar* name), (program, name))            \
    X(void, LinkProgram, (GLuint program), (program))                                              \
    X(void, PixelStorei, (GLenum pname, GLint param), (pname, param))                              \
    X(void, ReadPixels,                                                                            \
      (GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels), \
      (x, y, width, height, format, type, pixels))                                                 \
    X(void, RenderbufferStorage,                                                                   \
      (GLenum target, GLenum internalformat, GLsizei width, GLsizei height),                       \
      (target, internalformat, width, height))                                                     \
    X(void, ShaderSource,                                                                          \
      (GLuint shader, GLsizei count, const GLchar* const* string, const GLint* length),            \
      (shader, count, string, length))                                                             \
    X(void, TexImage2D,                                                                            \
      (GLenum target, GLint level, GLint internalformat, GLsizei width, GLsizei height,            \
       GLint border, GLenum format, GLenum type, const void* pixels),                              \
      (target, level, internalformat, width, height, border, format, type, pixels))                \
    X(void, TexParameteri, (GLenum target, GLenum pname, GLint param), (target, pname, param))     \
    X(void, Uniform1f, (GLint location, GLfloat v0), (location, v0))                               \
    X(void, Uniform1i, (GLint location, GLint v0), (location, v0))                                 \
    X(void, Uniform4fv, (GLint location, GLsizei count, const GLfloat* value),                     \
      (location, count, value))                                                                    \
    X(void, UseProgram, (GLuint program), (program))                                               \
    X(void, VertexAttribPointer,                                                                   \
      (GLuint index, GLint size, GLenum type, GLboolean normalized, GLsizei stride,                \
       const void* pointer),                                                                       \
      (index, size, type, normalized, stride, pointer))                                            \
    X(void, Viewport, (GLint x, GLint y, GLsizei width, GLsizei height), (x, y, width, height))

#define LAYER_DECLARE_WEBGL_CALL(result, name, parameters, arguments) \
    result emscripten_gl##name parameters;
extern "C" {
LAYER_WEBGL_CALLS(LAYER_DECLARE_WEBGL_CALL)
}
#undef LAYER_DECLARE_WEBGL_CALL
#endif

namespace layer {

// Natively, finds the calls above in the current OpenGL ES 3 context; false if one is missing.
// In the browser there is nothing to find.
bool loadWebGlCalls();

}  // namespace layer
