#include <cstdio>
#include <cstring>

#include "assets/assets.h"

kelImage::kelImage(std::int32_t width, std::int32_t height, const char* path,
                   std::int32_t components)
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
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) {
        return;
    }
    // One read; a short count just leaves the rest black.
    const std::size_t read = std::fread(pixels, 1, size, file);
    static_cast<void>(read);
    std::fclose(file);
}
