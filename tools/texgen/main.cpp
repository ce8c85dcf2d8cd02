// texgen OUTDIR: paints the scene's four textures and writes them as headerless RGB files:
// wood.raw, sign1.raw, sign2.raw (256 x 256) and grass.raw (512 x 512).
// texgen --check OUTDIR: exits 0 only if all four files are there with their exact sizes; a file
// of the wrong size is removed, so that the next build paints it again instead of trusting it.
//
// The same bytes come out on every build and machine: one fixed-seed generator, and integer
// arithmetic only, so no floating-point rounding or library maths can shift a value.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/texgen/paintings.h"

namespace {

struct TextureFile {
    const char* name;
    int width, height;
};
constexpr TextureFile kFiles[] = {
    {"wood.raw", kWoodSize, kWoodSize},
    {"sign1.raw", kSignSize, kSignSize},
    {"sign2.raw", kSignSize, kSignSize},
    {"grass.raw", kGrassSize, kGrassSize},
};

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
    for (const TextureFile& f : kFiles) {
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
    const std::string dir = argv[1];
    const bool ok =
        writeRaw(dir + "/wood.raw", paintWood()) && writeRaw(dir + "/sign1.raw", paintDuckSign()) &&
        writeRaw(dir + "/sign2.raw", paintTreeSign()) && writeRaw(dir + "/grass.raw", paintGrass());
    return ok ? 0 : 1;
}
