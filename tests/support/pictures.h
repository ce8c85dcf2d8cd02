// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Pictures and files for the tests of the tools that write them: RAW and PNG pictures read
// back, temporary folders, and commands run with their exit status.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    int at(int x, int y, int channel) const { return rgb[(size_t(y) * width + x) * 3 + channel]; }
};

std::vector<unsigned char> readBytes(const fs::path& path);
// A headerless RGB file of the given size.
Picture readRaw(const fs::path& path, int width, int height);
Picture readPng(const fs::path& path);
fs::path makeTempDir();
// A shell command's exit status.
int run(const std::string& command);
std::string quoted(const fs::path& path);
