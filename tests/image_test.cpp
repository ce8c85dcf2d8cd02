// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// RAW images and the textures made from them: bytes reach the buffer and the texture unchanged,
// missing, short, long and odd files behave as the loader promises, and start-up makes the four
// scene textures in their order.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <future>
#include <string>
#include <type_traits>
#include <vector>

#include <GL/gl.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/program.h"
#include "tests/support/quelmire_gl.h"

using namespace assets;
using namespace quelmire;

namespace {

// The class is a plain buffer owner: copying it would free one buffer twice.
static_assert(!std::is_copy_constructible_v<kelImage>, "a kelImage is never copied");
static_assert(!std::is_copy_assignable_v<kelImage>, "a kelImage is never assigned");

using Bytes = std::vector<unsigned char>;

std::string asString(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

Bytes bufferOf(const kelImage& image) {
    return Bytes(image.pixels, image.pixels + image.size);
}

// Every byte value, over and over, shifted by one each row so that no two rows are alike.
Bytes patternBytes(int count) {
    Bytes bytes(count);
    for (int i = 0; i < count; ++i) {
        bytes[i] = static_cast<unsigned char>(i + i / 768);
    }
    return bytes;
}

// Standard output and error sent to files for as long as the object lives.
class CapturedConsole {
  public:
    explicit CapturedConsole(const std::string& dir)
        : outPath_(dir + "/out"), errPath_(dir + "/err") {
        std::fflush(stdout);
        std::fflush(stderr);
        savedOut_ = dup(1);
        savedErr_ = dup(2);
        redirect(outPath_, 1);
        redirect(errPath_, 2);
    }
    ~CapturedConsole() { restore(); }
    CapturedConsole(const CapturedConsole&) = delete;
    CapturedConsole& operator=(const CapturedConsole&) = delete;

    // Ends the capture; returns what went to stdout and stderr.
    std::pair<std::string, std::string> finish() {
        restore();
        return {readFile(outPath_), readFile(errPath_)};
    }

  private:
    static void redirect(const std::string& path, int fd) {
        std::FILE* file = std::fopen(path.c_str(), "w");
        ASSERT_NE(file, nullptr);
        dup2(fileno(file), fd);
        std::fclose(file);
    }
    void restore() {
        if (savedOut_ < 0) {
            return;
        }
        std::fflush(stdout);
        std::fflush(stderr);
        dup2(savedOut_, 1);
        dup2(savedErr_, 2);
        close(savedOut_);
        close(savedErr_);
        savedOut_ = savedErr_ = -1;
    }
    std::string outPath_;
    std::string errPath_;
    int savedOut_ = -1;
    int savedErr_ = -1;
};

// Level 0 of the texture bound to GL_TEXTURE_2D, as tightly packed RGB bytes.
Bytes boundTexels() {
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    Bytes texels(static_cast<std::size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return texels;
}

Bytes texelsOf(GLuint texture) {
    glBindTexture(GL_TEXTURE_2D, texture);
    return boundTexels();
}

class RawImage : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return dir_.path + "/" + name; }
    std::string write(const std::string& name, const Bytes& bytes) {
        writeFile(path(name), asString(bytes));
        return path(name);
    }
    TempDir dir_;
};

TEST_F(RawImage, SizeIsWidthTimesHeightTimesComponents) {
    const kelImage image(5, 7, path("none.raw").c_str(), 3);
    EXPECT_EQ(image.size, 105);
    const kelImage four(3, 2, path("none.raw").c_str(), 4);
    EXPECT_EQ(four.size, 24);
}

TEST_F(RawImage, EveryByteValueReachesTheBufferUnchangedAndInOrder) {
    const Bytes bytes = patternBytes(256 * 256 * 3);
    const kelImage image(256, 256, write("all.raw", bytes).c_str(), 3);
    EXPECT_EQ(bufferOf(image), bytes);
    Bytes seen(256, 0);
    for (unsigned char b : bufferOf(image)) {
        seen[b] = 1;
    }
    EXPECT_EQ(seen, Bytes(256, 1)) << "some byte value did not arrive";
}

TEST_F(RawImage, MissingFileGivesAZeroBufferAndSaysNothing) {
    CapturedConsole console(dir_.path);
    const kelImage image(256, 256, path("missing.raw").c_str(), 3);
    const auto [out, err] = console.finish();
    EXPECT_EQ(bufferOf(image), Bytes(256 * 256 * 3, 0));
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

TEST_F(RawImage, BufferIsClearedEvenWhenTheHeapHeldOldBytes) {
    // A freed block of the same size, full of 0xAB, is what the allocator hands out next.
    for (int round = 0; round < 3; ++round) {
        auto* old = new unsigned char[48];
        std::fill(old, old + 48, 0xAB);
        delete[] old;
        const kelImage image(4, 4, path("missing.raw").c_str(), 3);
        EXPECT_EQ(bufferOf(image), Bytes(48, 0));
    }
}

TEST_F(RawImage, ShortFileGivesItsBytesThenZeros) {
    const Bytes start = patternBytes(1000);
    const kelImage image(256, 256, write("short.raw", start).c_str(), 3);
    Bytes expected(256 * 256 * 3, 0);
    std::copy(start.begin(), start.end(), expected.begin());
    EXPECT_EQ(bufferOf(image), expected);

    const kelImage one(16, 16, write("one.raw", Bytes{0x7F}).c_str(), 3);
    Bytes oneExpected(16 * 16 * 3, 0);
    oneExpected[0] = 0x7F;
    EXPECT_EQ(bufferOf(one), oneExpected);

    const kelImage empty(16, 16, write("empty.raw", Bytes{}).c_str(), 3);
    EXPECT_EQ(bufferOf(empty), Bytes(16 * 16 * 3, 0));
}

TEST_F(RawImage, LongerFileIsReadOnlyUpToTheImageSize) {
    const Bytes exact = patternBytes(16 * 16 * 3);
    Bytes longer = exact;
    longer.insert(longer.end(), {0xFF, 0xFE, 0xFD});  // one pixel too many
    const kelImage image(16, 16, write("long.raw", longer).c_str(), 3);
    EXPECT_EQ(bufferOf(image), exact);
}

TEST_F(RawImage, DirectoryInPlaceOfTheFileCountsAsMissing) {
    ASSERT_EQ(mkdir(path("dir.raw").c_str(), 0755), 0);
    CapturedConsole console(dir_.path);
    const kelImage image(16, 16, path("dir.raw").c_str(), 3);
    const auto [out, err] = console.finish();
    EXPECT_EQ(bufferOf(image), Bytes(16 * 16 * 3, 0));
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

// A pipe's open blocks until a writer comes: the load runs aside, and if it has not returned by
// the deadline a writer is opened so that the test can fail instead of hanging.
TEST_F(RawImage, PipeInPlaceOfTheFileCountsAsMissingAndDoesNotWait) {
    const std::string fifo = path("pipe.raw");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    CapturedConsole console(dir_.path);
    auto loaded =
        std::async(std::launch::async, [&] { return bufferOf(kelImage(16, 16, fifo.c_str(), 3)); });
    const bool returned = loaded.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    if (!returned) {
        // A writer that comes and goes wakes the blocked open, and its read then meets the end.
        const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) {
            close(writer);
        }
    }
    const Bytes buffer = loaded.get();
    const auto [out, err] = console.finish();
    EXPECT_TRUE(returned) << "loading a pipe waited for a writer";
    EXPECT_EQ(buffer, Bytes(16 * 16 * 3, 0));
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
}

TEST_F(RawImage, LinkToARegularFileReadsLikeTheFile) {
    const Bytes bytes = patternBytes(16 * 16 * 3);
    write("real.raw", bytes);
    ASSERT_EQ(symlink("real.raw", path("link.raw").c_str()), 0);
    const kelImage image(16, 16, path("link.raw").c_str(), 3);
    EXPECT_EQ(bufferOf(image), bytes);
}

class Texture : public RawImage {
  protected:
    void SetUp() override { ensureGlWindow(); }
};

TEST_F(Texture, TexelsEqualTheFileBytesWithTexelZeroFromTheFirstThree) {
    const Bytes bytes = patternBytes(256 * 256 * 3);
    GLuint texture = 0;
    const auto image = makeTexture(texture, write("t.raw", bytes).c_str(), 256, 256);
    ASSERT_NE(texture, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), texture) << "the new texture stays bound";
    const Bytes texels = boundTexels();
    ASSERT_EQ(texels.size(), bytes.size());
    EXPECT_EQ(texels[0], bytes[0]);
    EXPECT_EQ(texels[1], bytes[1]);
    EXPECT_EQ(texels[2], bytes[2]);
    EXPECT_EQ(texels, bytes);
    // The image lives on with the caller, its buffer intact.
    EXPECT_EQ(bufferOf(*image), bytes);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// The bound texture filters linearly and repeats in s and t.
void expectLinearAndRepeating() {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(value, GL_REPEAT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &value);
    EXPECT_EQ(value, GL_REPEAT);
}

TEST_F(Texture, FiltersAreLinearWrapRepeatsAndThereAreNoMipmaps) {
    GLuint texture = 0;
    const auto image = makeTexture(texture, path("missing.raw").c_str(), 256, 256);
    GLint value = 0;
    expectLinearAndRepeating();
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &value);
    EXPECT_EQ(value, 0) << "no second level";
}

TEST_F(Texture, MissingFileGivesABlackTextureAndShortFileItsBytesThenBlack) {
    GLuint missing = 0;
    const auto none = makeTexture(missing, path("missing.raw").c_str(), 256, 256);
    EXPECT_EQ(texelsOf(missing), Bytes(256 * 256 * 3, 0));

    const Bytes start = patternBytes(5000);
    GLuint shortTexture = 0;
    const auto part = makeTexture(shortTexture, write("s.raw", start).c_str(), 256, 256);
    Bytes expected(256 * 256 * 3, 0);
    std::copy(start.begin(), start.end(), expected.begin());
    EXPECT_EQ(texelsOf(shortTexture), expected);
}

TEST_F(Texture, OnePixelLongerFileGivesTheSameTextureAsTheExactOne) {
    const Bytes exact = patternBytes(256 * 256 * 3);
    Bytes longer = exact;
    longer.insert(longer.end(), {0x01, 0x02, 0x03});
    GLuint a = 0;
    GLuint b = 0;
    const auto first = makeTexture(a, write("exact.raw", exact).c_str(), 256, 256);
    const auto second = makeTexture(b, write("long.raw", longer).c_str(), 256, 256);
    EXPECT_NE(a, b) << "each call makes a new texture";
    EXPECT_EQ(texelsOf(b), texelsOf(a));
    EXPECT_EQ(texelsOf(b), exact);
}

// A solid colour of its own per file, so that a texture made from the wrong file shows.
Bytes solid(int width, int height, unsigned char r, unsigned char g, unsigned char b) {
    Bytes bytes;
    bytes.reserve(static_cast<std::size_t>(width) * height * 3);
    for (int i = 0; i < width * height; ++i) {
        bytes.insert(bytes.end(), {r, g, b});
    }
    return bytes;
}

TEST_F(Texture, StartUpMakesWoodSignsAndGrassInOrderFromTheirFiles) {
    setUpQuelmireGl();
    const Bytes wood = solid(256, 256, 120, 80, 40);
    const Bytes sign1 = patternBytes(256 * 256 * 3);
    const Bytes sign2 = solid(256, 256, 10, 20, 250);
    const Bytes grass = solid(512, 512, 60, 160, 30);
    write("wood.raw", wood);
    write("sign1.raw", sign1);
    write("sign2.raw", sign2);
    write("grass.raw", grass);
    CapturedConsole console(dir_.path);
    const SceneImages images = createTexturesIn(dir_.path);
    const auto [out, err] = console.finish();
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");

    EXPECT_NE(scene.woodTexture, 0u);
    EXPECT_LT(scene.woodTexture, scene.signTexture1);
    EXPECT_LT(scene.signTexture1, scene.signTexture2);
    EXPECT_LT(scene.signTexture2, scene.grassTexture);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), scene.grassTexture) << "grass is made last";

    struct Expected {
        const char* name;
        GLuint texture;
        int side;
        const Bytes& bytes;
        const kelImage* image;
    };
    for (const Expected& e :
         {Expected{"wood", scene.woodTexture, 256, wood, images.wood.get()},
          Expected{"sign1", scene.signTexture1, 256, sign1, images.sign1.get()},
          Expected{"sign2", scene.signTexture2, 256, sign2, images.sign2.get()},
          Expected{"grass", scene.grassTexture, 512, grass, images.grass.get()}}) {
        SCOPED_TRACE(e.name);
        glBindTexture(GL_TEXTURE_2D, e.texture);
        GLint value = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &value);
        EXPECT_EQ(value, e.side);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &value);
        EXPECT_EQ(value, e.side);
        expectLinearAndRepeating();
        EXPECT_EQ(boundTexels(), e.bytes);
        ASSERT_NE(e.image, nullptr);
        EXPECT_EQ(e.image->width, e.side);
        EXPECT_EQ(bufferOf(*e.image), e.bytes) << "the image stays alive with the caller";
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(Texture, StartUpCarriesOnSilentlyPastAMissingSignAndAShortGrassFile) {
    setUpQuelmireGl();
    const Bytes wood = solid(256, 256, 120, 80, 40);
    const Bytes grassStart = solid(512, 100, 60, 160, 30);
    write("wood.raw", wood);
    write("sign2.raw", wood);
    write("grass.raw", grassStart);
    CapturedConsole console(dir_.path);
    const SceneImages images = createTexturesIn(dir_.path);
    const auto [out, err] = console.finish();
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    EXPECT_LT(scene.woodTexture, scene.signTexture1);
    EXPECT_LT(scene.signTexture1, scene.signTexture2);
    EXPECT_LT(scene.signTexture2, scene.grassTexture);
    EXPECT_EQ(texelsOf(scene.signTexture1), Bytes(256 * 256 * 3, 0));
    EXPECT_EQ(texelsOf(scene.signTexture2), wood);
    Bytes grass(512 * 512 * 3, 0);
    std::copy(grassStart.begin(), grassStart.end(), grass.begin());
    EXPECT_EQ(texelsOf(scene.grassTexture), grass);
}

}  // namespace
