// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "app/app.h"
#include "common/common.h"

namespace quelmire {

void printHelp() {
    common::printLines(kHelpLines);
}

}  // namespace quelmire
