// The texture files as the programs will read them, made by the real texgen, and the screen-dump
// converter run on hand-made dumps and on a real xwd dump of a window on a private Xvfb.
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <fcntl.h>
#include <png.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    int at(int x, int y, int channel) const { return rgb[(size_t(y) * width + x) * 3 + channel]; }
};

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

int runTexgen(const fs::path& dir) {
    return run(std::string(TEXGEN_PATH) + " " + quoted(dir));
}

// Mean absolute byte difference between two columns, or between two rows.
double columnDifference(const Picture& p, int a, int b) {
    long sum = 0;
    for (int y = 0; y < p.height; ++y) {
        for (int c = 0; c < 3; ++c) {
            sum += std::abs(p.at(a, y, c) - p.at(b, y, c));
        }
    }
    return double(sum) / (p.height * 3);
}

double rowDifference(const Picture& p, int a, int b) {
    long sum = 0;
    for (int x = 0; x < p.width; ++x) {
        for (int c = 0; c < 3; ++c) {
            sum += std::abs(p.at(x, a, c) - p.at(x, b, c));
        }
    }
    return double(sum) / (p.width * 3);
}

double meanNeighbourColumnDifference(const Picture& p) {
    double sum = 0;
    for (int x = 0; x + 1 < p.width; ++x) {
        sum += columnDifference(p, x, x + 1);
    }
    return sum / (p.width - 1);
}

double meanNeighbourRowDifference(const Picture& p) {
    double sum = 0;
    for (int y = 0; y + 1 < p.height; ++y) {
        sum += rowDifference(p, y, y + 1);
    }
    return sum / (p.height - 1);
}

double largestNeighbourColumnDifference(const Picture& p) {
    double largest = 0;
    for (int x = 0; x + 1 < p.width; ++x) {
        largest = std::max(largest, columnDifference(p, x, x + 1));
    }
    return largest;
}

double largestNeighbourRowDifference(const Picture& p) {
    double largest = 0;
    for (int y = 0; y + 1 < p.height; ++y) {
        largest = std::max(largest, rowDifference(p, y, y + 1));
    }
    return largest;
}

// The picture shrunk by averaging each block x block square.
Picture blockAverage(const Picture& p, int block) {
    Picture small{p.width / block, p.height / block, {}};
    for (int by = 0; by < small.height; ++by) {
        for (int bx = 0; bx < small.width; ++bx) {
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int y = by * block; y < (by + 1) * block; ++y) {
                    for (int x = bx * block; x < (bx + 1) * block; ++x) {
                        sum += p.at(x, y, c);
                    }
                }
                small.rgb.push_back(static_cast<unsigned char>(sum / (block * block)));
            }
        }
    }
    return small;
}

constexpr const char* kTextureFiles[] = {"wood.raw", "sign1.raw", "sign2.raw", "grass.raw"};

// texgen runs once for the whole suite; each case looks at the files it wrote.
class GeneratedTextures : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = makeTempDir();
        status_ = runTexgen(dir_);
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }
    void SetUp() override { ASSERT_EQ(status_, 0) << "texgen failed writing into " << dir_; }

    static Picture texture(const char* name, int size) { return readRaw(dir_ / name, size, size); }

    static fs::path dir_;
    static int status_;
};
fs::path GeneratedTextures::dir_;
int GeneratedTextures::status_ = -1;

TEST_F(GeneratedTextures, EachFileHasExactlyTheSizeTheProgramsRead) {
    EXPECT_EQ(fs::file_size(dir_ / "wood.raw"), 196608u);
    EXPECT_EQ(fs::file_size(dir_ / "sign1.raw"), 196608u);
    EXPECT_EQ(fs::file_size(dir_ / "sign2.raw"), 196608u);
    EXPECT_EQ(fs::file_size(dir_ / "grass.raw"), 786432u);
}

TEST_F(GeneratedTextures, ASecondRunWritesTheSameBytes) {
    const fs::path again = makeTempDir();
    ASSERT_EQ(runTexgen(again), 0);
    for (const char* name : kTextureFiles) {
        EXPECT_TRUE(readBytes(dir_ / name) == readBytes(again / name))
            << name << " differs between two runs";
    }
    fs::remove_all(again);
}

TEST_F(GeneratedTextures, TheSizeCheckPassesGoodFilesAndRemovesAShortOne) {
    const std::string check = std::string(TEXGEN_PATH) + " --check ";
    EXPECT_EQ(run(check + quoted(dir_)), 0);

    const fs::path damaged = makeTempDir();
    ASSERT_EQ(runTexgen(damaged), 0);
    fs::resize_file(damaged / "sign2.raw", 196605);
    EXPECT_EQ(run(check + quoted(damaged) + " 2>/dev/null"), 1);
    EXPECT_FALSE(fs::exists(damaged / "sign2.raw")) << "a short file must not survive to the run";
    EXPECT_TRUE(fs::exists(damaged / "grass.raw"));
    fs::remove_all(damaged);
}

// A pattern that wraps steps across its seam no more than between any two neighbours inside it;
// one that does not wrap jumps there as between unrelated columns. The grass's single-pixel
// blades would hide such a jump, so it is compared as 8 x 8 block averages.
TEST_F(GeneratedTextures, GrassContinuesAcrossItsLeftAndRightEdges) {
    const Picture grass = blockAverage(texture("grass.raw", 512), 8);
    EXPECT_LE(columnDifference(grass, grass.width - 1, 0), largestNeighbourColumnDifference(grass));
}

TEST_F(GeneratedTextures, GrassContinuesAcrossItsTopAndBottomEdges) {
    const Picture grass = blockAverage(texture("grass.raw", 512), 8);
    EXPECT_LE(rowDifference(grass, grass.height - 1, 0), largestNeighbourRowDifference(grass));
}

TEST_F(GeneratedTextures, GrassIsGreenInEveryPartOfTheTile) {
    // Checked per 64 x 64 block, so a swapped channel order or a bald patch both show.
    const Picture grass = texture("grass.raw", 512);
    for (int by = 0; by < 512; by += 64) {
        for (int bx = 0; bx < 512; bx += 64) {
            long sum[3] = {0, 0, 0};
            for (int y = by; y < by + 64; ++y) {
                for (int x = bx; x < bx + 64; ++x) {
                    for (int c = 0; c < 3; ++c) {
                        sum[c] += grass.at(x, y, c);
                    }
                }
            }
            EXPECT_GT(sum[1], sum[0]) << "block at " << bx << "," << by;
            EXPECT_GT(sum[0], sum[2]) << "block at " << bx << "," << by;
        }
    }
}

TEST_F(GeneratedTextures, BarkContinuesAroundTheTrunkAndAlongIt) {
    const Picture wood = texture("wood.raw", 256);
    EXPECT_LE(columnDifference(wood, 255, 0), largestNeighbourColumnDifference(wood))
        << "s = 1 must meet s = 0 where the cylinder closes";
    EXPECT_LE(rowDifference(wood, 255, 0), largestNeighbourRowDifference(wood));
}

TEST_F(GeneratedTextures, BarkGroovesRunAlongTheTrunk) {
    // The cylinder's t runs along the trunk, down the image's columns: grooves there make the
    // picture change far more from column to column than from row to row.
    const Picture wood = texture("wood.raw", 256);
    EXPECT_GT(meanNeighbourColumnDifference(wood), 2.0 * meanNeighbourRowDifference(wood));
}

TEST_F(GeneratedTextures, TheTwoSignsDifferEvenWhenSeenSmall) {
    // 16 x 16 block averages: roughly what a viewer sees of a small, distant board.
    const Picture a = blockAverage(texture("sign1.raw", 256), 16);
    const Picture b = blockAverage(texture("sign2.raw", 256), 16);
    long sum = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) {
        sum += std::abs(a.rgb[i] - b.rgb[i]);
    }
    EXPECT_GT(double(sum) / a.rgb.size(), 25.0);
}

// Counts near-black pixels (the lettering's ink) inside the frame between two rows.
int inkBetweenRows(const Picture& p, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 16; x < 240; ++x) {
            count += p.at(x, y, 0) < 56 && p.at(x, y, 1) < 56 && p.at(x, y, 2) < 56;
        }
    }
    return count;
}

TEST_F(GeneratedTextures, EachSignIsUprightWithItsWordUnderThePicture) {
    // Row 0 is the board's top edge: the lettering belongs in the lower quarter.
    for (const char* name : {"sign1.raw", "sign2.raw"}) {
        const Picture sign = texture(name, 256);
        const int wordBand = inkBetweenRows(sign, 176, 240);
        const int picture = inkBetweenRows(sign, 16, 170);
        EXPECT_GT(wordBand, 2000) << name << ": no word in the band below the picture";
        EXPECT_GT(wordBand, 10 * picture) << name << ": ink above the word band";
    }
}

// ---- The screen-dump converter

void putBig32(std::vector<unsigned char>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(v >> shift));
    }
}

struct DumpLayout {
    bool msbFirst;
    uint32_t redMask, greenMask, blueMask;
};

// A 3 x 2 ZPixmap dump at 32 bits per pixel with padded rows, a window name and two colormap
// entries, as xwd writes them; the pad bytes hold junk that must not reach the picture.
std::vector<unsigned char> handMadeDump(const DumpLayout& layout,
                                        const std::vector<unsigned char>& rgb) {
    const uint32_t width = 3, height = 2, stride = 16, ncolors = 2;
    const std::string name = "probe";
    std::vector<unsigned char> dump;
    const uint32_t fields[25] = {100 + uint32_t(name.size()) + 1,
                                 7,
                                 2,
                                 24,
                                 width,
                                 height,
                                 0,
                                 layout.msbFirst ? 1u : 0u,
                                 32,
                                 layout.msbFirst ? 1u : 0u,
                                 32,
                                 32,
                                 stride,
                                 4,
                                 layout.redMask,
                                 layout.greenMask,
                                 layout.blueMask,
                                 8,
                                 256,
                                 ncolors,
                                 width,
                                 height,
                                 0,
                                 0,
                                 0};
    for (uint32_t f : fields) {
        putBig32(dump, f);
    }
    dump.insert(dump.end(), name.begin(), name.end());
    dump.push_back(0);
    dump.insert(dump.end(), ncolors * 12, 0x5a);
    auto shiftOf = [](uint32_t mask) {
        int s = 0;
        while (((mask >> s) & 1u) == 0) {
            ++s;
        }
        return s;
    };
    for (uint32_t y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < width; ++x) {
            const unsigned char* p = &rgb[(y * width + x) * 3];
            const uint32_t pixel = (uint32_t(p[0]) << shiftOf(layout.redMask)) |
                                   (uint32_t(p[1]) << shiftOf(layout.greenMask)) |
                                   (uint32_t(p[2]) << shiftOf(layout.blueMask));
            for (int b = 0; b < 4; ++b) {
                const int shift = layout.msbFirst ? 24 - 8 * b : 8 * b;
                dump.push_back(static_cast<unsigned char>(pixel >> shift));
            }
        }
        dump.insert(dump.end(), stride - width * 4, 0xee);
    }
    return dump;
}

int runXwd2png(const fs::path& in, const fs::path& out) {
    return run(std::string(XWD2PNG_PATH) + " " + quoted(in) + " " + quoted(out) + " 2>/dev/null");
}

class ScreenDumpLayouts : public ::testing::TestWithParam<DumpLayout> {};

TEST_P(ScreenDumpLayouts, ConvertsEveryPixelToItsOwnColour) {
    const std::vector<unsigned char> rgb = {255, 0,   0, 0, 255, 0, 0,   0,   255,
                                            255, 128, 0, 1, 2,   3, 255, 255, 255};
    const fs::path dir = makeTempDir();
    {
        const std::vector<unsigned char> dump = handMadeDump(GetParam(), rgb);
        std::ofstream(dir / "probe.xwd", std::ios::binary)
            .write(reinterpret_cast<const char*>(dump.data()), std::streamsize(dump.size()));
    }
    ASSERT_EQ(runXwd2png(dir / "probe.xwd", dir / "probe.png"), 0);
    const Picture png = readPng(dir / "probe.png");
    EXPECT_EQ(png.width, 3);
    EXPECT_EQ(png.height, 2);
    EXPECT_EQ(png.rgb, rgb);
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(ByteOrdersAndMasks, ScreenDumpLayouts,
                         ::testing::Values(DumpLayout{false, 0xff0000, 0x00ff00, 0x0000ff},
                                           DumpLayout{true, 0xff0000, 0x00ff00, 0x0000ff},
                                           DumpLayout{false, 0x0000ff, 0x00ff00, 0xff0000}));

TEST(ScreenDumpConverter, RefusesAFileThatIsNotADumpAndWritesNothing) {
    const fs::path dir = makeTempDir();
    std::ofstream(dir / "junk.xwd") << "this is not a window dump, only some text";
    EXPECT_EQ(runXwd2png(dir / "junk.xwd", dir / "junk.png"), 1);
    EXPECT_FALSE(fs::exists(dir / "junk.png"));
    fs::remove_all(dir);
}

// A private Xvfb for this test alone; -displayfd lets the server pick a free display number.
class PrivateXvfb {
  public:
    PrivateXvfb() {
        int fds[2];
        if (pipe(fds) != 0) {
            return;
        }
        const std::string fd = std::to_string(fds[1]);
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDERR_FILENO);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "320x240x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        char buffer[32] = {};
        ssize_t got = 0;
        while (pid_ > 0 && got < ssize_t(sizeof buffer) - 1) {
            const ssize_t n = read(fds[0], buffer + got, sizeof buffer - 1 - got);
            if (n <= 0 || buffer[got + n - 1] == '\n') {
                got += n > 0 ? n : 0;
                break;
            }
            got += n;
        }
        close(fds[0]);
        if (got > 0) {
            name_ = ":" + std::string(buffer, std::strcspn(buffer, "\n"));
        }
    }
    ~PrivateXvfb() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    const std::string& name() const { return name_; }

  private:
    pid_t pid_ = -1;
    std::string name_;
};

TEST(ScreenDumpConverter, ConvertsARealXwdDumpOfAWindow) {
    PrivateXvfb server;
    ASSERT_FALSE(server.name().empty()) << "Xvfb did not start";
    Display* display = XOpenDisplay(server.name().c_str());
    ASSERT_NE(display, nullptr);

    // An orange 40 x 30 window with a blue 5 x 3 patch in its top-left corner shows both the
    // colours and which way up the picture comes out.
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 10, 20, 40, 30, 0, 0, 0xff8000);
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != Expose);
    const GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, 0x0040c0);
    XFillRectangle(display, window, gc, 0, 0, 5, 3);
    XSync(display, False);

    const fs::path dir = makeTempDir();
    const std::string xwd = "xwd -silent -display " + server.name() + " -id " +
                            std::to_string(window) + " -out " + quoted(dir / "window.xwd");
    ASSERT_EQ(run(xwd), 0);
    XFreeGC(display, gc);
    XCloseDisplay(display);

    ASSERT_EQ(runXwd2png(dir / "window.xwd", dir / "window.png"), 0);
    const Picture png = readPng(dir / "window.png");
    ASSERT_EQ(png.width, 40);
    ASSERT_EQ(png.height, 30);
    auto colourAt = [&](int x, int y) {
        return std::vector<int>{png.at(x, y, 0), png.at(x, y, 1), png.at(x, y, 2)};
    };
    const std::vector<int> blue{0x00, 0x40, 0xc0}, orange{0xff, 0x80, 0x00};
    EXPECT_EQ(colourAt(0, 0), blue);
    EXPECT_EQ(colourAt(4, 2), blue);
    EXPECT_EQ(colourAt(5, 2), orange);
    EXPECT_EQ(colourAt(4, 3), orange);
    EXPECT_EQ(colourAt(39, 29), orange);
    fs::remove_all(dir);
}

}  // namespace
