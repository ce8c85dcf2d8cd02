#include <cstdio>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "app/app.h"
#include "tests/support/capture.h"
#include "tests/support/program.h"

namespace {

const char kHelpText[] =
    "Welcome to the Tesk 2006 Course work\n"
    "\tPress h or H for help\n"
    "\tPress x, X, q, or Q to exit\n"
    "\tPress z or Z to reset Zoom\n"
    "\tPress m or M to reset Move\n"
    "\tPress r or R to reset Rotation\n"
    "\tPress n or N to view Normal filled polygons\n"
    "\tPress l or L to view the Lines that make the polygons\n"
    "\tPress p or P to view the Points that make the polygons\n"
    "\tPress s or S to toggle between fixed light and Sun light\n"
    "\tPress f or F to toggle the Fog on or off\n";

std::string capturedHelp() {
    return capturedStdout(printHelp);
}

TEST(Help, WritesTheElevenLinesByteForByteWithTabsAndNoBlanks) {
    EXPECT_EQ(capturedHelp(), kHelpText);
}

TEST(Help, IsIdenticalEveryTime) {
    EXPECT_EQ(capturedHelp(), capturedHelp());
}

TEST(Help, RealProgramPrintsItOnceBeforeTheFirstFrameAndNothingElse) {
    TempDir dir;
    copyTextures(dir.path);
    Program quelmire(QUELMIRE_PATH, dir.path);
    const std::string window = quelmire.waitForWindow(kWindowTitle);
    ASSERT_FALSE(window.empty()) << quelmire.stderrText();
    EXPECT_EQ(quelmire.stdoutText(), kHelpText);
    EXPECT_EQ(quelmire.stderrText(), "");
}

}  // namespace
