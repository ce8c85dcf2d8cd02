// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstdio>

#include "app/app.h"

namespace quelmire {

void printHelp() {
    for (const char* line : kHelpLines) {
        std::fputs(line, stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}

}  // namespace quelmire
