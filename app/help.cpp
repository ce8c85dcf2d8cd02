// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "app/app.h"
#include "shell/shell.h"

namespace quelmire {

void printHelp() {
    shell::printLines(kHelpLines);
}

}  // namespace quelmire
