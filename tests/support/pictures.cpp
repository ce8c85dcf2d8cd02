// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/pictures.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

std::vector<unsigned char> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture readRaw(const fs::path& path, int width, int height) {
    Picture p{width, height, readBytes(path)};
    EXPECT_EQ(p.rgb.size(), size_t(width) * height * 3) << path;
    p.rgb.resize(size_t(width) * height * 3);
    return p;
}

Picture readPng(const fs::path& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Picture p;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        ADD_FAILURE() << "cannot read PNG " << path;
        return p;
    }
    image.format = PNG_FORMAT_RGB;
    p.width = int(image.width);
    p.height = int(image.height);
    p.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, p.rgb.data(), 0, nullptr)) {
        ADD_FAILURE() << "cannot decode PNG " << path;
    }
    return p;
}

fs::path makeTempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base ? base : "/tmp") + "/texture-test-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a temporary directory";
        return {};
    }
    return pattern;
}

int run(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}
