#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/program.h"
#include "viewer/viewer.h"

namespace {

const char kHelpText[] =
    "Welcome to the Tesk 2006 Course work\n"
    "\tPress x,X,q, or Q to exit\n";

// Pixels that differ by more than a rounding step between two shots of the same size.
long differingPixels(const Screenshot& a, const Screenshot& b, int x0 = 0, int y0 = 0, int x1 = -1,
                     int y1 = -1) {
    if (a.width != b.width || a.height != b.height) {
        ADD_FAILURE() << "shots of different sizes";
        return -1;
    }
    if (x1 < 0)
        x1 = a.width;
    if (y1 < 0)
        y1 = a.height;
    long n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            n += near(a.at(x, y), b.at(x, y), 2) ? 0 : 1;
        }
    }
    return n;
}

// Brindlefen running in a directory of its own, its window found and the pointer inside it so
// that keys reach it.
class RunningViewer {
  public:
    explicit RunningViewer(bool withTextures = true) {
        if (withTextures) {
            copyTextures(dir_.path);
        }
        program_ = std::make_unique<Program>(BRINDLEFEN_PATH, dir_.path);
        window = program_->waitForWindow(kViewerTitle);
        if (!window.empty()) {
            pointAt(200, 200);
        }
    }

    void pointAt(int x, int y) {
        xdo("mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y));
    }

    void key(const std::string& name) {
        xdo("key " + name);
        sleepSeconds(0.2);
    }

    // Opens the right-button menu at the middle of the window and clicks entry `index` (0-3).
    void chooseFromMenu(int index) {
        pointAt(200, 200);
        xdo("click 3");
        sleepSeconds(0.3);
        pointAt(230, 200 + 25 * index + 12);
        xdo("click 1");
        sleepSeconds(0.4);  // the idle callback redraws on its own
    }

    // With no window manager the toolkit puts the window at (-1, -1), so the shot loses the
    // column and the row that lie off the screen.
    Screenshot shot() {
        Screenshot s = grabWindow(window);
        EXPECT_GE(s.width, 399);
        EXPECT_GE(s.height, 399);
        return s;
    }

    // A shot once two in a row agree: under load the first frames may still be landing.
    Screenshot steadyShot() {
        Screenshot last = shot();
        for (int i = 0; i < 20; ++i) {
            sleepSeconds(0.15);
            Screenshot next = shot();
            if (next.rgb == last.rgb) {
                return next;
            }
            last = std::move(next);
        }
        return last;
    }

    Program& program() { return *program_; }
    std::string window;

  private:
    TempDir dir_;
    std::unique_ptr<Program> program_;
};

TEST(ViewerProgram, OpensItsTitled400By400WindowAndPrintsNothingUntilAsked) {
    RunningViewer viewer;
    ASSERT_FALSE(viewer.window.empty()) << viewer.program().stderrText();
    const WindowGeometry g = windowGeometry(viewer.window);
    EXPECT_EQ(g.title, "Tesk Coursework 2006");
    EXPECT_EQ(g.width, 400);
    EXPECT_EQ(g.height, 400);
    sleepSeconds(0.3);
    EXPECT_EQ(viewer.program().stdoutText(), "");

    for (const char* other : {"z", "r", "s", "f", "a", "space", "Escape", "1"}) {
        viewer.key(other);
    }
    EXPECT_TRUE(viewer.program().running());
    EXPECT_EQ(viewer.program().stdoutText(), "") << "keys other than the six do nothing";

    viewer.key("h");
    EXPECT_EQ(viewer.program().stdoutText(), kHelpText);
    viewer.key("H");
    EXPECT_EQ(viewer.program().stdoutText(), std::string(kHelpText) + kHelpText);
    EXPECT_TRUE(viewer.program().running());
    EXPECT_EQ(viewer.program().stderrText(), "");
}

TEST(ViewerProgram, MenuToggleDuckShowsTheDuckInTheMiddleAndASecondTimeHidesIt) {
    RunningViewer viewer;
    ASSERT_FALSE(viewer.window.empty()) << viewer.program().stderrText();
    const Screenshot before = viewer.steadyShot();

    viewer.chooseFromMenu(1);
    const Screenshot withDuck = viewer.shot();
    EXPECT_GT(differingPixels(before, withDuck, 180, 180, 220, 230), 20)
        << "the duck stands at the origin, in the middle of the picture";
    EXPECT_EQ(differingPixels(before, withDuck, 0, 0, 400, 150), 0) << "nothing else changes";

    viewer.chooseFromMenu(1);
    EXPECT_EQ(differingPixels(before, viewer.shot()), 0);
    EXPECT_TRUE(viewer.program().running());
    EXPECT_EQ(viewer.program().stdoutText(), "");
}

TEST(ViewerProgram, MenuToggleLandLeavesAPlainBlackWindow) {
    RunningViewer viewer;
    ASSERT_FALSE(viewer.window.empty()) << viewer.program().stderrText();
    EXPECT_LT(shareOfColour(viewer.shot(), {0, 0, 0}, 0), 0.99);
    viewer.chooseFromMenu(0);
    EXPECT_EQ(shareOfColour(viewer.shot(), {0, 0, 0}, 0), 1.0);
}

TEST(ViewerProgram, MenuHelpPrintsTheHelpAndMenuQuitEndsWithStatusZero) {
    RunningViewer viewer;
    ASSERT_FALSE(viewer.window.empty()) << viewer.program().stderrText();
    viewer.chooseFromMenu(2);
    EXPECT_EQ(viewer.program().stdoutText(), kHelpText);
    viewer.chooseFromMenu(3);
    EXPECT_EQ(viewer.program().waitExit(5.0), 0);
}

TEST(ViewerProgram, EachQuitKeyEndsItWithStatusZero) {
    for (const char* key : {"x", "X", "q", "Q"}) {
        RunningViewer viewer;
        ASSERT_FALSE(viewer.window.empty()) << viewer.program().stderrText();
        viewer.key(key);
        EXPECT_EQ(viewer.program().waitExit(5.0), 0) << "key " << key;
        EXPECT_EQ(viewer.program().stdoutText(), "") << "key " << key;
    }
}

TEST(ViewerProgram, ALeftDragTurnsThePictureAndAMiddleDragDoesNot) {
    RunningViewer viewer;
    ASSERT_FALSE(viewer.window.empty()) << viewer.program().stderrText();
    const Screenshot before = viewer.steadyShot();

    xdo("mousedown 2");
    viewer.pointAt(290, 260);
    xdo("mouseup 2");
    sleepSeconds(0.3);
    EXPECT_EQ(differingPixels(before, viewer.shot()), 0);

    viewer.pointAt(200, 200);
    xdo("mousedown 1");
    viewer.pointAt(260, 200);
    viewer.pointAt(290, 200);
    xdo("mouseup 1");
    sleepSeconds(0.3);
    const Screenshot turned = viewer.steadyShot();
    EXPECT_GT(differingPixels(before, turned), 500);

    // Released: moving on turns nothing more.
    viewer.pointAt(100, 300);
    sleepSeconds(0.3);
    EXPECT_EQ(differingPixels(turned, viewer.shot()), 0);
}

TEST(ViewerProgram, StartsWithNoGrassRawAndDrawsTheSameUntexturedLand) {
    Screenshot textured;
    {
        RunningViewer viewer(true);
        ASSERT_FALSE(viewer.window.empty()) << viewer.program().stderrText();
        textured = viewer.steadyShot();
    }
    RunningViewer viewer(false);
    ASSERT_FALSE(viewer.window.empty()) << viewer.program().stderrText();
    const Screenshot bare = viewer.steadyShot();
    EXPECT_LT(shareOfColour(bare, {0, 0, 0}, 0), 0.99) << "the land is drawn";
    EXPECT_EQ(differingPixels(textured, bare), 0) << "the grass texture is never used";
    EXPECT_TRUE(viewer.program().running());
    EXPECT_EQ(viewer.program().stderrText(), "");
}

// Names defined in the program's symbol table, one per line, demangled.
std::string definedSymbols(const std::string& program) {
    const CommandResult nm = runCommand("nm -C --defined-only '" + program + "'");
    EXPECT_EQ(nm.status, 0);
    std::istringstream lines(nm.output);
    std::string line, names;
    while (std::getline(lines, line)) {
        const std::size_t at = line.find(' ', line.find(' ') + 1);
        if (at != std::string::npos) {
            names += line.substr(at + 1) + "\n";
        }
    }
    return names;
}

bool hasSymbol(const std::string& names, const std::string& name) {
    return ("\n" + names).find("\n" + name) != std::string::npos;
}

TEST(ViewerProgram, LinksNothingOfQuelmiresOwnCode) {
    const std::string viewer = definedSymbols(BRINDLEFEN_PATH);
    EXPECT_TRUE(hasSymbol(viewer, "drawLand(")) << "it shares the assets";
    EXPECT_TRUE(hasSymbol(viewer, "viewer\n"));
    for (const char* name : {"scene\n", "sunTimer(", "drawTree(", "redisplayTimer("}) {
        EXPECT_FALSE(hasSymbol(viewer, name)) << name;
    }
    // The same look-up finds them where they belong.
    const std::string quelmire = definedSymbols(QUELMIRE_PATH);
    for (const char* name : {"scene\n", "sunTimer(", "drawTree(", "redisplayTimer("}) {
        EXPECT_TRUE(hasSymbol(quelmire, name)) << name;
    }
}

}  // namespace
