// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "assets/assets.h"

namespace assets {

// Flattened, so that load's read is compiled in here, where the buffer's size is in sight, and
// fortification checks the read against it.
__attribute__((flatten)) kelImage::kelImage(std::int32_t width, std::int32_t height,
                                            const char* path, std::int32_t components)
    : components(components), width(width), height(height), size(width * height * components) {
    pixels = new unsigned char[size];
    // Cleared so that a missing or short file gives black, not whatever the heap held.
    std::memset(pixels, 0, size);
    load(path);
}

kelImage::~kelImage() {
    if (pixels != nullptr) {
        delete[] pixels;
    }
}

void kelImage::load(const char* path) {
    // Taken before any call could change them, which keeps the constructor's buffer size known.
    unsigned char* const buffer = pixels;
    const std::size_t bytes = size;
    // Only a regular file (or a link to one) is read: opening a pipe blocks until a writer
    // comes, and a device may never end. Opened without blocking and checked on the open file
    // itself, so nothing can be swapped in between the check and the read.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return;
    }
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) {
        close(fd);
        return;
    }
    // One read; a short count just leaves the rest black.
    const std::size_t read = std::fread(buffer, 1, bytes, file);
    static_cast<void>(read);
    std::fclose(file);
}

}  // namespace assets
