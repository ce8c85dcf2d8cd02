// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// A small PNG writer for the texture previews, the mesh pictures, screenshot conversion and the
// desktop icons: the library png_write.
#pragma once

#include <string>

// Writes an 8-bit RGB image, rows of width * 3 bytes without padding.
// With flipRows the last row of rgb becomes the top of the picture (the order glReadPixels gives).
// Returns false if the file cannot be written; nothing is printed.
bool writePng(const std::string& path, int width, int height, const unsigned char* rgb,
              bool flipRows = false);

// The same for 8-bit RGBA, rows of width * 4 bytes: pictures with a transparent background.
bool writePngRgba(const std::string& path, int width, int height, const unsigned char* rgba,
                  bool flipRows = false);
