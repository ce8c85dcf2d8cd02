// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The texture files as the programs will read them, made by the real texgen: the same bytes on
// every run, seamless grass and bark, two signs that tell apart, and the size check that the
// build runs shown to catch a short file.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/expected.h"
#include "tests/support/paths.h"
#include "tests/support/pictures.h"

namespace {

int runTexgen(const fs::path& dir) {
    return run(texgenPath() + " " + quoted(dir));
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

// The build painted the programs' files with its own run of texgen.
TEST_F(GeneratedTextures, ASecondRunWritesTheSameBytes) {
    for (const std::string& name : expected::kTextureFiles) {
        EXPECT_TRUE(readBytes(dir_ / name) == readBytes(fs::path(dataDir()) / name))
            << name << " differs between the build's run and this one";
    }
}

TEST_F(GeneratedTextures, TheSizeCheckPassesGoodFilesAndRemovesAShortOne) {
    const std::string check = texgenPath() + " --check ";
    EXPECT_EQ(run(check + quoted(dir_)), 0);

    const fs::path damaged = makeTempDir();
    for (const std::string& name : expected::kTextureFiles) {
        fs::copy_file(dir_ / name, damaged / name);
    }
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

}  // namespace
