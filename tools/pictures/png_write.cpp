// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tools/pictures/png_write.h"

#include <png.h>

#include <cstdio>

namespace {

bool writePixels(const std::string& path, int width, int height, const unsigned char* pixels,
                 bool flipRows, int colourType, int channels) {
    if (width <= 0 || height <= 0 || pixels == nullptr) {
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        std::fclose(file);
        return false;
    }
    // libpng reports errors by longjmp; nothing with a destructor lives between here and the end.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t rowBytes = static_cast<size_t>(width) * static_cast<size_t>(channels);
    for (int y = 0; y < height; ++y) {
        const int source = flipRows ? height - 1 - y : y;
        png_write_row(png, pixels + rowBytes * static_cast<size_t>(source));
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

bool writePng(const std::string& path, int width, int height, const unsigned char* rgb,
              bool flipRows) {
    return writePixels(path, width, height, rgb, flipRows, PNG_COLOR_TYPE_RGB, 3);
}

bool writePngRgba(const std::string& path, int width, int height, const unsigned char* rgba,
                  bool flipRows) {
    return writePixels(path, width, height, rgba, flipRows, PNG_COLOR_TYPE_RGBA, 4);
}
