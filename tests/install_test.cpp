#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/expected.h"
#include "tests/support/paths.h"
#include "tests/support/program.h"

namespace {

bool isExecutable(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

std::string linkTarget(const std::string& link) {
    char target[4096];
    const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
    return n < 0 ? "" : std::string(target, static_cast<std::size_t>(n));
}

std::string canonical(const std::string& path) {
    char resolved[4096];
    return realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

// Share of pixels in a rectangle that are black. Land drawn without its texture is black
// (the image buffers start zeroed), so textured land is the opposite.
double shareOfBlack(const Screenshot& shot, int x0, int y0, int x1, int y1) {
    return shareOfColour(shot, {0, 0, 0}, 3, x0, y0, x1, y1);
}

// The land in Quelmire's start-up view: the band below the grove and the lower right corner,
// beside the pond.
double shareOfBlackLand(const Screenshot& shot) {
    return 0.5 * (shareOfBlack(shot, 0, 370, 700, 430) + shareOfBlack(shot, 500, 620, 700, 700));
}

// Installs the build into a fresh prefix once for all cases; the installed launchers are then
// started from a working directory that holds no textures at all.
class Installed : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        prefix_ = new TempDir;
        install_ = new CommandResult(runCommand("cmake --install '" + binaryDir() + "' --prefix '" +
                                                prefix_->path + "' 2>&1"));
    }
    static void TearDownTestSuite() {
        delete install_;
        delete prefix_;
    }
    void SetUp() override { ASSERT_EQ(install_->status, 0) << install_->output; }

    static std::string prefix() { return prefix_->path; }

    // The program that the launcher started: its own binary, run in the texture folder.
    static void expectRunsInstalledInTextureFolder(const Program& program,
                                                   const std::string& name) {
        const std::string proc = "/proc/" + std::to_string(program.pid());
        EXPECT_EQ(linkTarget(proc + "/exe"), canonical(prefix() + "/libexec/quelmire/" + name));
        EXPECT_EQ(linkTarget(proc + "/cwd"), canonical(prefix() + "/share/quelmire"));
    }

    static void quitWithQ(Program& program, const std::string& window) {
        ASSERT_TRUE(xdo("mousemove --window " + window + " 200 200"));
        ASSERT_TRUE(xdo("key q"));
        EXPECT_EQ(program.waitExit(10.0), 0) << program.stderrText();
    }

    TempDir elsewhere_;  // the working directory the user starts from

  private:
    static TempDir* prefix_;
    static CommandResult* install_;
};

TempDir* Installed::prefix_ = nullptr;
CommandResult* Installed::install_ = nullptr;

TEST_F(Installed, PutsProgramsTexturesAndLaunchersInTheirFolders) {
    for (const char* program : {"quelmire", "brindlefen"}) {
        EXPECT_TRUE(isExecutable(prefix() + "/bin/" + program)) << program;
        EXPECT_TRUE(isExecutable(prefix() + "/libexec/quelmire/" + program)) << program;
    }
    for (const char* texture : {"wood.raw", "sign1.raw", "sign2.raw", "grass.raw"}) {
        const std::string installed = prefix() + "/share/quelmire/" + texture;
        EXPECT_EQ(readFile(installed), readFile(dataDir() + "/" + texture)) << texture;
    }
}

TEST_F(Installed, QuelmireStartsFromAnyDirectoryWithItsTexturesAndQuitsWithQ) {
    Program quelmire(prefix() + "/bin/quelmire", elsewhere_.path);
    const std::string window = quelmire.waitForWindow(expected::kQuelmireTitle);
    ASSERT_FALSE(window.empty()) << quelmire.stderrText();
    expectRunsInstalledInTextureFolder(quelmire, "quelmire");
    const Screenshot shot = grabWindow(window);
    ASSERT_EQ(shot.width, 700);
    // Land fills the band below the grove and the lower right, beside the pond.
    EXPECT_LT(shareOfBlackLand(shot), 0.05);
    EXPECT_NE(quelmire.stdoutText(), "");  // the help text
    quitWithQ(quelmire, window);
}

// The contrast that makes the check above mean something: the program itself, started where
// there are no textures, draws the same land black.
TEST_F(Installed, TheBareProgramFromADirectoryWithoutTexturesDrawsTheLandBlack) {
    Program quelmire(prefix() + "/libexec/quelmire/quelmire", elsewhere_.path);
    const std::string window = quelmire.waitForWindow(expected::kQuelmireTitle);
    ASSERT_FALSE(window.empty()) << quelmire.stderrText();
    const Screenshot shot = grabWindow(window);
    ASSERT_EQ(shot.width, 700);
    EXPECT_GT(shareOfBlackLand(shot), 0.95);
    quitWithQ(quelmire, window);
}

TEST_F(Installed, BrindlefenStartsFromAnyDirectoryShowsTheLandAndQuitsWithQ) {
    Program brindlefen(prefix() + "/bin/brindlefen", elsewhere_.path);
    const std::string window = brindlefen.waitForWindow(expected::kBrindlefenTitle);
    ASSERT_FALSE(window.empty()) << brindlefen.stderrText();
    expectRunsInstalledInTextureFolder(brindlefen, "brindlefen");
    // Seen edge-on, the lit land is a band across the middle, on black.
    const Screenshot shot = grabWindow(window);
    ASSERT_GE(shot.width, 380);
    EXPECT_LT(shareOfBlack(shot, 20, 188, 380, 196), 0.2);
    EXPECT_GT(shareOfBlack(shot, 0, 0, shot.width, 150), 0.99);
    quitWithQ(brindlefen, window);
}

}  // namespace
