// texgen OUTDIR: paints the scene's four textures and writes them as headerless RGB files:
// wood.raw, sign1.raw, sign2.raw (256 x 256) and grass.raw (512 x 512).
// texgen --check OUTDIR: exits 0 only if all four files are there with their exact sizes; a file
// of the wrong size is removed, so that the next build paints it again instead of trusting it.
//
// The same bytes come out on every build and machine: one fixed-seed generator, and integer
// arithmetic only, so no floating-point rounding or library maths can shift a value.
// Grass and bark tile: every noise lattice wraps with a period that divides the image size, and
// every stroke drawn across an edge continues on the opposite edge.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

constexpr int kSignSize = 256;
constexpr int kWoodSize = 256;
constexpr int kGrassSize = 512;
constexpr int kFixedOne = 65536;  // 1.0 in the 16.16 fixed point used by the noise

struct Color {
    int r, g, b;
};

// A 32-bit permuted congruential generator: small, fast and the same everywhere.
class Random {
  public:
    explicit Random(uint64_t seed)
        : state_(seed * 6364136223846793005ULL + 1442695040888963407ULL) {}
    uint32_t next() {
        const uint64_t old = state_;
        state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
        const uint32_t xorShifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        const uint32_t rotation = static_cast<uint32_t>(old >> 59u);
        return (xorShifted >> rotation) | (xorShifted << ((32 - rotation) & 31));
    }
    // Uniform in [low, high]; the tiny modulo bias does not show in a picture.
    int range(int low, int high) {
        return low + static_cast<int>(next() % static_cast<uint32_t>(high - low + 1));
    }

  private:
    uint64_t state_;
};

class Image {
  public:
    Image(int width, int height) : width_(width), height_(height), rgb_(width * height * 3, 0) {}
    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<unsigned char>& bytes() const { return rgb_; }

    Color get(int x, int y) const {
        const unsigned char* p = &rgb_[index(x, y)];
        return {p[0], p[1], p[2]};
    }
    void set(int x, int y, Color c) {
        unsigned char* p = &rgb_[index(x, y)];
        p[0] = clampByte(c.r);
        p[1] = clampByte(c.g);
        p[2] = clampByte(c.b);
    }
    // Mixes c in with weight alpha of 256; coordinates wrap so strokes continue across edges.
    void blendWrapped(int x, int y, Color c, int alpha) {
        x = ((x % width_) + width_) % width_;
        y = ((y % height_) + height_) % height_;
        set(x, y, mix(get(x, y), c, alpha));
    }

    static Color mix(Color a, Color b, int weightOf256) {
        return {a.r + (b.r - a.r) * weightOf256 / 256, a.g + (b.g - a.g) * weightOf256 / 256,
                a.b + (b.b - a.b) * weightOf256 / 256};
    }

  private:
    size_t index(int x, int y) const { return (static_cast<size_t>(y) * width_ + x) * 3; }
    static unsigned char clampByte(int v) {
        return static_cast<unsigned char>(v < 0 ? 0 : (v > 255 ? 255 : v));
    }

    int width_, height_;
    std::vector<unsigned char> rgb_;
};

Color scale(Color c, int per256) {
    return {c.r * per256 / 256, c.g * per256 / 256, c.b * per256 / 256};
}

// Value noise on a lattice that wraps: cellsX by cellsY random values, each cell spanning
// cellWidth by cellHeight pixels, so the whole pattern repeats every cellsX * cellWidth pixels.
class PeriodicNoise {
  public:
    PeriodicNoise(Random& random, int cellsX, int cellsY, int cellWidth, int cellHeight)
        : cellsX_(cellsX),
          cellsY_(cellsY),
          cellWidth_(cellWidth),
          cellHeight_(cellHeight),
          lattice_(cellsX * cellsY) {
        for (int& v : lattice_) {
            v = static_cast<int>(random.next() >> 16);
        }
    }

    // 0 .. 65535 at pixel (x, y); any x and y, the pattern wraps.
    int at(int x, int y) const {
        const int spanX = cellsX_ * cellWidth_;
        const int spanY = cellsY_ * cellHeight_;
        x = ((x % spanX) + spanX) % spanX;
        y = ((y % spanY) + spanY) % spanY;
        const int cx = x / cellWidth_, cy = y / cellHeight_;
        const int fx = smooth((x % cellWidth_) * kFixedOne / cellWidth_);
        const int fy = smooth((y % cellHeight_) * kFixedOne / cellHeight_);
        const int nx = (cx + 1) % cellsX_, ny = (cy + 1) % cellsY_;
        const int top = lerp(value(cx, cy), value(nx, cy), fx);
        const int bottom = lerp(value(cx, ny), value(nx, ny), fx);
        return lerp(top, bottom, fy);
    }

  private:
    int value(int cx, int cy) const { return lattice_[cy * cellsX_ + cx]; }
    static int lerp(int a, int b, int t) {
        return a + static_cast<int>((static_cast<int64_t>(b - a) * t) >> 16);
    }
    // 3t^2 - 2t^3 in 16.16: cells blend without visible creases.
    static int smooth(int t) {
        const int64_t t2 = (static_cast<int64_t>(t) * t) >> 16;
        return static_cast<int>((t2 * (3 * kFixedOne - 2 * static_cast<int64_t>(t))) >> 16);
    }

    int cellsX_, cellsY_, cellWidth_, cellHeight_;
    std::vector<int> lattice_;
};

// Several octaves of periodic noise over one image, weighted and summed to 0 .. 65535.
class Fractal {
  public:
    struct Octave {
        int cellWidth, cellHeight, weight;
    };
    Fractal(Random& random, int width, int height, std::initializer_list<Octave> octaves) {
        for (const Octave& o : octaves) {
            layers_.emplace_back(random, width / o.cellWidth, height / o.cellHeight, o.cellWidth,
                                 o.cellHeight);
            weights_.push_back(o.weight);
            totalWeight_ += o.weight;
        }
    }
    int at(int x, int y) const {
        int64_t sum = 0;
        for (size_t i = 0; i < layers_.size(); ++i) {
            sum += static_cast<int64_t>(layers_[i].at(x, y)) * weights_[i];
        }
        return static_cast<int>(sum / totalWeight_);
    }

  private:
    std::vector<PeriodicNoise> layers_;
    std::vector<int> weights_;
    int totalWeight_ = 0;
};

// Sums of several noise octaves cluster round the middle; this spreads 0x4000..0xC000 to 0..255.
int contrast(int noise) {
    const int v = (noise - 0x4000) * 256 / 0x8000;
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// ---- Grass: a meadow seen from far away: soft patches of greens, darker clumps, fine blades.

Image paintGrass() {
    Random random(0x67726173);  // "gras"
    Image image(kGrassSize, kGrassSize);
    const Fractal tone(random, kGrassSize, kGrassSize,
                       {{128, 128, 3}, {64, 64, 3}, {32, 32, 2}, {16, 16, 2}, {8, 8, 1}});
    const Fractal hue(random, kGrassSize, kGrassSize, {{256, 256, 2}, {128, 128, 2}, {64, 64, 1}});
    const Fractal clumps(random, kGrassSize, kGrassSize, {{16, 16, 2}, {8, 8, 2}, {4, 4, 1}});
    const Fractal grain(random, kGrassSize, kGrassSize, {{4, 4, 1}, {2, 2, 1}});

    const Color deep{54, 92, 30}, light{100, 144, 50}, dry{138, 142, 64};
    for (int y = 0; y < kGrassSize; ++y) {
        for (int x = 0; x < kGrassSize; ++x) {
            Color c = Image::mix(deep, light, contrast(tone.at(x, y)));
            // Sun-dried patches drift towards straw; kept faint so nothing reads as a stain.
            c = Image::mix(c, dry, contrast(hue.at(x, y)) * 90 / 256);
            const int clump = contrast(clumps.at(x, y));
            if (clump > 180) {
                c = scale(c, 256 - (clump - 180) * 50 / 76);
            }
            c = scale(c, 232 + contrast(grain.at(x, y)) * 48 / 256);
            image.set(x, y, c);
        }
    }

    // Short, nearly upright blades, light and dark; they wrap across the edges like everything.
    const Color bladeLight{150, 184, 82}, bladeDark{28, 58, 20};
    for (int i = 0; i < 26000; ++i) {
        const int x0 = random.range(0, kGrassSize - 1);
        const int y0 = random.range(0, kGrassSize - 1);
        const int length = random.range(3, 7);
        const int lean = random.range(-2, 2);
        const bool isLight = random.range(0, 2) == 0;
        const int alpha = random.range(50, 110);
        for (int step = 0; step < length; ++step) {
            image.blendWrapped(x0 + lean * step / length, y0 - step,
                               isLight ? bladeLight : bladeDark,
                               alpha * (length - step / 2) / length);
        }
    }
    return image;
}

// ---- Bark: vertical ridges and dark furrows that wander a little, tiling round and along.

Image paintWood() {
    Random random(0x6261726b);  // "bark"
    Image image(kWoodSize, kWoodSize);
    // Cells tall and narrow: ridges run along the trunk (t, image rows) and repeat round it (s).
    const Fractal ridges(random, kWoodSize, kWoodSize, {{8, 128, 4}, {4, 64, 2}, {2, 32, 1}});
    const Fractal wander(random, kWoodSize, kWoodSize, {{32, 64, 2}, {16, 32, 1}});
    const Fractal plates(random, kWoodSize, kWoodSize, {{16, 4, 2}, {8, 4, 1}});
    const Fractal tint(random, kWoodSize, kWoodSize, {{64, 64, 2}, {32, 32, 1}});
    const Fractal grain(random, kWoodSize, kWoodSize, {{2, 8, 1}, {1, 4, 1}});

    const Color furrow{34, 24, 16}, ridge{132, 104, 74}, lichen{118, 122, 90};
    for (int y = 0; y < kWoodSize; ++y) {
        for (int x = 0; x < kWoodSize; ++x) {
            // Shifting the lookup sideways bends the ridges a little; the shift itself wraps.
            const int shift = (contrast(wander.at(x, y)) - 128) / 24;
            const int r = contrast(ridges.at(x + shift, y));
            // Furrows are the narrow low parts; ridges are broad with rounded tops.
            int height = r < 80 ? r * r / 80 * 120 / 80 : 120 + (r - 80) * 136 / 176;
            // Where the plate noise dips, a ridge is broken across, as on old bark.
            const int plate = contrast(plates.at(x, y));
            if (plate < 24 && height > 120) {
                height = height * (128 + plate * 5) / 256;
            }
            Color c = Image::mix(furrow, ridge, height);
            c = Image::mix(c, lichen, contrast(tint.at(x, y)) * 60 / 256);
            c = scale(c, 216 + contrast(grain.at(x, y)) * 64 / 256);
            image.set(x, y, c);
        }
    }
    return image;
}

// ---- Signs: a framed picture with a word under it, bold enough to read on a small board.

// Shapes are tested at 4 x 4 points per pixel for smooth edges. Positions are in eighths of a
// pixel; the sample points sit at odd eighths, the centres of the sixteen sub-squares.
constexpr int kSub = 8;

struct Shape {
    virtual ~Shape() = default;
    virtual bool contains(int64_t sx, int64_t sy) const = 0;
};

struct Ellipse : Shape {
    int64_t cx, cy, rx, ry;
    Ellipse(int centreX, int centreY, int radiusX, int radiusY)
        : cx(centreX * kSub), cy(centreY * kSub), rx(radiusX * kSub), ry(radiusY * kSub) {}
    bool contains(int64_t sx, int64_t sy) const override {
        const int64_t dx = sx - cx, dy = sy - cy;
        return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
    }
};

struct Box : Shape {
    int64_t left, top, right, bottom;  // right and bottom are exclusive
    Box(int x0, int y0, int x1, int y1)
        : left(x0 * kSub), top(y0 * kSub), right(x1 * kSub), bottom(y1 * kSub) {}
    bool contains(int64_t sx, int64_t sy) const override {
        return sx >= left && sx < right && sy >= top && sy < bottom;
    }
};

// Convex polygon with corners in either winding.
struct Polygon : Shape {
    std::vector<int64_t> xs, ys;
    Polygon(std::initializer_list<std::pair<int, int>> corners) {
        for (const auto& c : corners) {
            xs.push_back(c.first * kSub);
            ys.push_back(c.second * kSub);
        }
    }
    bool contains(int64_t sx, int64_t sy) const override {
        bool anyPositive = false, anyNegative = false;
        for (size_t i = 0; i < xs.size(); ++i) {
            const size_t j = (i + 1) % xs.size();
            const int64_t cross = (xs[j] - xs[i]) * (sy - ys[i]) - (ys[j] - ys[i]) * (sx - xs[i]);
            anyPositive = anyPositive || cross > 0;
            anyNegative = anyNegative || cross < 0;
        }
        return !(anyPositive && anyNegative);
    }
};

void fill(Image& image, const Shape& shape, Color color) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int covered = 0;
            for (int j = 0; j < 4; ++j) {
                for (int i = 0; i < 4; ++i) {
                    covered += shape.contains(x * kSub + 2 * i + 1, y * kSub + 2 * j + 1);
                }
            }
            if (covered > 0) {
                image.set(x, y, Image::mix(image.get(x, y), color, covered * 16));
            }
        }
    }
}

// A 5 x 7 capital font, just the letters the signs need.
struct Glyph {
    char letter;
    const char* rows[7];
};
constexpr Glyph kFont[] = {
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
};

const Glyph* glyphFor(char letter) {
    for (const Glyph& g : kFont) {
        if (g.letter == letter) {
            return &g;
        }
    }
    return nullptr;
}

// Draws word centred on centreX with its top at top, each font dot a scale x scale square,
// with a soft shadow down and right so the letters stand off the board.
void drawWord(Image& image, const std::string& word, int centreX, int top, int scale, Color ink,
              Color shadow) {
    const int advance = 6 * scale + scale / 2;
    const int width = static_cast<int>(word.size()) * advance - advance + 5 * scale;
    const int left = centreX - width / 2;
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? scale / 3 : 0;
        for (size_t i = 0; i < word.size(); ++i) {
            const Glyph* glyph = glyphFor(word[i]);
            for (int row = 0; glyph && row < 7; ++row) {
                for (int col = 0; col < 5; ++col) {
                    if (glyph->rows[row][col] != '#') {
                        continue;
                    }
                    const int x = left + static_cast<int>(i) * advance + col * scale + offset;
                    const int y = top + row * scale + offset;
                    fill(image, Box(x, y, x + scale, y + scale), pass == 0 ? shadow : ink);
                }
            }
        }
    }
}

constexpr int kFrame = 14;           // width of the wooden frame, pixels
constexpr int kPictureBottom = 170;  // the picture above, the word's band below
constexpr int kWordTop = 186;
constexpr int kWordScale = 6;
const Color kInk{34, 26, 20}, kPaint{236, 226, 196}, kPaintShadow{190, 176, 146};

// The wooden frame and the painted band for the word, shared by both signs.
void paintBoard(Image& image, Random& random) {
    const Fractal grain(random, kSignSize, kSignSize, {{64, 8, 2}, {32, 4, 2}, {8, 2, 1}});
    const Color dark{70, 44, 24}, light{130, 88, 52};
    for (int y = 0; y < kSignSize; ++y) {
        for (int x = 0; x < kSignSize; ++x) {
            image.set(x, y, Image::mix(dark, light, contrast(grain.at(x, y))));
        }
    }
    // A bevel: light on the inner top-left edge, dark on the bottom-right, as if carved.
    fill(image, Box(kFrame - 3, kFrame - 3, kSignSize - kFrame + 3, kSignSize - kFrame + 3),
         {60, 36, 18});
    fill(image, Box(kFrame - 3, kFrame - 3, kSignSize - kFrame, kSignSize - kFrame),
         {170, 128, 84});
    fill(image, Box(kFrame, kPictureBottom, kSignSize - kFrame, kSignSize - kFrame), kPaint);
    fill(image, Box(kFrame, kPictureBottom, kSignSize - kFrame, kPictureBottom + 3), {60, 36, 18});
}

Image paintDuckSign() {
    Random random(0x6475636b);  // "duck"
    Image image(kSignSize, kSignSize);
    paintBoard(image, random);

    const int waterTop = 128;
    fill(image, Box(kFrame, kFrame, kSignSize - kFrame, waterTop), {150, 204, 236});
    fill(image, Ellipse(206, 46, 16, 16), {255, 236, 140});  // the sun
    fill(image, Box(kFrame, waterTop, kSignSize - kFrame, kPictureBottom), {38, 104, 176});

    // A yellow duck swimming to the right: tail, body, wing, neck, head, beak, eye.
    const Color feather{250, 206, 40}, wing{222, 162, 24}, beak{240, 110, 30};
    fill(image, Polygon({{58, 96}, {94, 112}, {80, 130}}), feather);
    fill(image, Ellipse(122, 120, 56, 30), feather);
    fill(image, Ellipse(114, 112, 30, 14), wing);
    fill(image, Polygon({{86, 104}, {104, 98}, {96, 110}}), wing);
    fill(image, Ellipse(160, 96, 18, 24), feather);
    fill(image, Ellipse(168, 70, 25, 23), feather);
    fill(image, Polygon({{186, 72}, {216, 76}, {214, 84}, {186, 86}}), beak);
    fill(image, Ellipse(214, 80, 4, 4), beak);
    fill(image, Ellipse(174, 62, 5, 6), {20, 20, 30});
    fill(image, Ellipse(176, 60, 2, 2), {255, 255, 255});

    // The water line hides the duck's keel, then light ripples on the water.
    fill(image, Box(kFrame, 136, kSignSize - kFrame, kPictureBottom), {38, 104, 176});
    fill(image, Ellipse(126, 136, 66, 3), {30, 84, 150});
    const Color ripple{140, 196, 236};
    fill(image, Ellipse(60, 146, 18, 2), ripple);
    fill(image, Ellipse(150, 152, 26, 2), ripple);
    fill(image, Ellipse(206, 142, 16, 2), ripple);
    fill(image, Ellipse(96, 160, 22, 2), ripple);
    fill(image, Ellipse(196, 162, 18, 2), ripple);

    drawWord(image, "DUCKS", kSignSize / 2, kWordTop, kWordScale, kInk, kPaintShadow);
    return image;
}

Image paintTreeSign() {
    Random random(0x74726565);  // "tree"
    Image image(kSignSize, kSignSize);
    paintBoard(image, random);

    const int groundTop = 146;
    fill(image, Box(kFrame, kFrame, kSignSize - kFrame, groundTop), {246, 222, 160});
    fill(image, Box(kFrame, groundTop, kSignSize - kFrame, kPictureBottom), {96, 150, 54});
    fill(image, Ellipse(128, groundTop + 2, 40, 6), {70, 116, 40});  // the tree's shadow

    // Trunk with two boughs, then the crown as heaped round clusters, dark below, light above.
    const Color bark{104, 66, 36};
    fill(image, Polygon({{116, 148}, {140, 148}, {134, 90}, {122, 90}}), bark);
    fill(image, Polygon({{124, 106}, {128, 100}, {104, 78}, {98, 82}}), bark);
    fill(image, Polygon({{130, 104}, {134, 110}, {160, 84}, {154, 80}}), bark);
    const Color leafDark{34, 96, 38}, leaf{58, 138, 48}, leafLight{110, 178, 70};
    fill(image, Ellipse(90, 86, 30, 26), leafDark);
    fill(image, Ellipse(166, 86, 30, 26), leafDark);
    fill(image, Ellipse(128, 96, 34, 18), leafDark);
    fill(image, Ellipse(102, 62, 32, 28), leaf);
    fill(image, Ellipse(154, 62, 32, 28), leaf);
    fill(image, Ellipse(128, 46, 34, 28), leaf);
    fill(image, Ellipse(118, 40, 16, 12), leafLight);
    fill(image, Ellipse(92, 58, 12, 10), leafLight);
    fill(image, Ellipse(150, 52, 14, 10), leafLight);
    // A few red apples make the tree read as a tree even when small.
    const Color apple{210, 40, 36};
    fill(image, Ellipse(100, 84, 6, 6), apple);
    fill(image, Ellipse(146, 78, 6, 6), apple);
    fill(image, Ellipse(126, 66, 6, 6), apple);
    fill(image, Ellipse(170, 96, 6, 6), apple);

    drawWord(image, "TREES", kSignSize / 2, kWordTop, kWordScale, kInk, kPaintShadow);
    return image;
}

// ---- Files

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
