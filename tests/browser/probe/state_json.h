// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// What both programs' probes write their state with: a JSON object made by printf, kept until
// the next call, so that the page can read it from the program's memory.
#pragma once

#include <cstdarg>
#include <cstdio>

namespace probe {

inline const char* flag(bool value) {
    return value ? "true" : "false";
}

// The text of `format` with its arguments, in a buffer that the next call overwrites.
__attribute__((format(printf, 1, 2))) inline const char* stateJson(const char* format, ...) {
    static char text[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

}  // namespace probe
