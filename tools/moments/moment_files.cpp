// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "tools/moments/moments.h"

namespace {

// A binary PPM (P6): a header, then the rows top-down.
bool writePpm(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgb) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    std::fprintf(file, "P6\n%d %d\n255\n", width, height);
    const bool written = std::fwrite(rgb.data(), 1, rgb.size(), file) == rgb.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

bool MomentFiles::open(int argc, char** argv, const char* tool) {
    tool_ = tool;
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTDIR [TEXTUREDIR]\n", tool);
        return false;
    }
    std::error_code error;
    out_ = std::filesystem::absolute(argv[1], error).string();
    std::filesystem::create_directories(out_, error);
    if (argc == 3) {
        std::filesystem::current_path(argv[2], error);
    }
    if (error) {
        std::fprintf(stderr, "%s: cannot use %s or %s\n", tool, argv[1], argc == 3 ? argv[2] : ".");
        return false;
    }
    return true;
}

TakeFrame MomentFiles::writer(int width, int height) {
    return [this, width, height](const std::string& name, const std::vector<unsigned char>& rgb) {
        const std::string path = (std::filesystem::path(out_) / (name + ".ppm")).string();
        if (writePpm(path, width, height, rgb)) {
            ++written_;
        } else {
            failed_ = true;
        }
    };
}

int MomentFiles::finish() const {
    if (failed_) {
        std::fprintf(stderr, "%s: cannot write into %s\n", tool_.c_str(), out_.c_str());
        return 1;
    }
    std::printf("%s: %d frames in %s\n", tool_.c_str(), written_, out_.c_str());
    return 0;
}
