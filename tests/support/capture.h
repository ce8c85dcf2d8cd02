// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Standard output of in-process calls, captured byte for byte.
#pragma once

#include <functional>
#include <string>

// Runs `action` with standard output sent to a file, and returns what it wrote.
std::string capturedStdout(const std::function<void()>& action);
