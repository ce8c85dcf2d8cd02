// A small PNG writer for the texture previews and screenshot conversion.
#pragma once

#include <string>

// Writes an 8-bit RGB image, rows of width * 3 bytes without padding.
// With flipRows the last row of rgb becomes the top of the picture (the order glReadPixels gives).
// Returns false if the file cannot be written; nothing is printed.
bool writePng(const std::string& path, int width, int height, const unsigned char* rgb,
              bool flipRows = false);
