// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/capture.h"

#include <cstdio>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/program.h"

std::string capturedStdout(const std::function<void()>& action) {
    TempDir dir;
    const std::string path = dir.path + "/out";
    std::fflush(stdout);
    const int saved = dup(1);
    std::FILE* file = std::freopen(path.c_str(), "w", stdout);
    EXPECT_NE(file, nullptr);
    action();
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
    return readFile(path);
}
