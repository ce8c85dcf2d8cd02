// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// texgen OUTDIR: paints the scene's four textures and writes them as headerless RGB files:
// wood.raw, sign1.raw, sign2.raw and grass.raw, at the sizes of assets/textures.cmake.
// texgen --check OUTDIR: exits 0 only if all four files are there with their exact sizes; a file
// of the wrong size is removed, so that the next build paints it again instead of trusting it.
//
// The same bytes come out on every build and machine: one fixed-seed generator, and integer
// arithmetic only, so no floating-point rounding or library maths can shift a value.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "assets/texture_files.h"
#include "tools/textures/texgen/paintings.h"

using namespace assets;

namespace {

// Which picture goes into which file of the texture list.
struct Painting {
    const TextureFile& file;
    Image (*paint)(int size);
};
const Painting kPaintings[] = {
    {kWoodTextureFile, paintWood},
    {kSign1TextureFile, paintDuckSign},
    {kSign2TextureFile, paintTreeSign},
    {kGrassTextureFile, paintGrass},
};

// Every file of the list has a picture, and every picture is square.
bool paintingsFitTheList() {
    const int paintings = static_cast<int>(sizeof kPaintings / sizeof kPaintings[0]);
    if (kTextureFileCount != paintings) {
        std::fprintf(stderr, "texgen: the texture list has %d files, texgen paints %d\n",
                     kTextureFileCount, paintings);
        return false;
    }
    for (const Painting& painting : kPaintings) {
        if (painting.file.width != painting.file.height) {
            std::fprintf(stderr, "texgen: %s is %d x %d, texgen paints squares only\n",
                         painting.file.name, painting.file.width, painting.file.height);
            return false;
        }
    }
    return true;
}

bool writeRaw(const std::string& path, const Image& image) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const std::vector<unsigned char>& bytes = image.bytes();
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "texgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

int checkFiles(const std::string& dir) {
    int bad = 0;
    for (int i = 0; i < kTextureFileCount; ++i) {
        const TextureFile& f = kTextureFiles[i];
        const std::string path = dir + "/" + f.name;
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        const long long expected = 3LL * f.width * f.height;
        const long long actual = in ? static_cast<long long>(in.tellg()) : -1;
        if (actual != expected) {
            std::fprintf(stderr, "texgen: %s has %lld bytes, expected %lld\n", path.c_str(), actual,
                         expected);
            std::remove(path.c_str());
            ++bad;
        }
    }
    return bad == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--check") {
        return checkFiles(argv[2]);
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: texgen OUTDIR\n       texgen --check OUTDIR\n");
        return 2;
    }
    if (!paintingsFitTheList()) {
        return 1;
    }
    const std::string dir = argv[1];
    for (const Painting& painting : kPaintings) {
        if (!writeRaw(dir + "/" + painting.file.name, painting.paint(painting.file.width))) {
            return 1;
        }
    }
    return 0;
}
