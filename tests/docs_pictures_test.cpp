// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The README's pictures of the sky's day and the render modes, and the programs' screenshots,
// are what the programs draw now: drawn again by the real docshot tool, on this test's own
// display, and compared pixel by pixel with the committed ones.
#include <string>

#include <gtest/gtest.h>

#include "tests/support/paths.h"
#include "tests/support/pictures.h"

namespace {

// command: the tool and its arguments before OUTFILE TEXTUREDIR.
void expectCommittedPictureIsCurrent(const std::string& command, const std::string& name,
                                     const char* program) {
    const fs::path dir = makeTempDir();
    const fs::path made = dir / (name + ".png");
    ASSERT_EQ(run(command + " " + quoted(made) + " " + quoted(fs::path(dataDir()))), 0)
        << command << " failed";
    const fs::path committed = fs::path(sourceDir()) / "docs" / "screenshots" / (name + ".png");
    const Picture now = readPng(made);
    const Picture then = readPng(committed);
    fs::remove_all(dir);
    const std::string refresh =
        "; refresh the pictures with `cmake --build build --target docs-pictures`, look at them "
        "and commit them";
    ASSERT_TRUE(now.width == then.width && now.height == then.height)
        << committed << " is " << then.width << " x " << then.height << ", " << program
        << " now makes " << now.width << " x " << now.height << refresh;
    long differing = 0;
    long first = -1;
    for (size_t i = 0; i < now.rgb.size(); i += 3) {
        if (now.rgb[i] != then.rgb[i] || now.rgb[i + 1] != then.rgb[i + 1] ||
            now.rgb[i + 2] != then.rgb[i + 2]) {
            first = first < 0 ? static_cast<long>(i / 3) : first;
            ++differing;
        }
    }
    EXPECT_EQ(differing, 0) << committed << " is no longer what " << program
                            << " draws: " << differing << " pixels differ, the first at x "
                            << first % now.width << ", y " << first / now.width
                            << " from the top left" << refresh;
}

void expectDocshotPictureIsCurrent(const std::string& name) {
    expectCommittedPictureIsCurrent(docsPicturesPath() + " " + name, name, "Quelmire's frame");
}

}  // namespace

TEST(DocsPictures, theDayOfTheSkyIsWhatTheFrameDrawsNow) {
    expectDocshotPictureIsCurrent("day");
}

TEST(DocsPictures, theRenderModesAreWhatTheFrameDrawsNow) {
    expectDocshotPictureIsCurrent("modes");
}

TEST(DocsPictures, quelmiresScreenshotIsWhatTheFrameDrawsNow) {
    expectDocshotPictureIsCurrent("quelmire");
}

TEST(DocsPictures, brindlefensScreenshotIsWhatItsDisplayDrawsNow) {
    expectCommittedPictureIsCurrent(docsPicturesPath() + " brindlefen", "brindlefen",
                                    "Brindlefen's display");
}
