// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Quelmire's console help, byte for byte. That the real program prints it before its first
// frame, and again on the keys and the menu entry, is seen end to end (quelmire_e2e_test).
#include <string>

#include <gtest/gtest.h>

#include "app/app.h"
#include "tests/support/capture.h"
#include "tests/support/expected.h"

using namespace quelmire;

namespace {

TEST(Help, WritesTheElevenLinesByteForByteWithTabsAndNoBlankLines) {
    EXPECT_EQ(capturedStdout(printHelp), expected::kQuelmireHelp);
}

TEST(Help, WritesTheWholeBlockAgainOnEveryCall) {
    EXPECT_EQ(capturedStdout([] {
                  printHelp();
                  printHelp();
              }),
              expected::kQuelmireHelp + expected::kQuelmireHelp);
}

}  // namespace
