// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// `cmake --install` into a fresh prefix: the programs, their textures and their launchers in
// their folders, and the launchers started from a folder without textures.
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/expected.h"
#include "tests/support/launchers.h"
#include "tests/support/paths.h"

namespace {

// Installs the build once for all cases.
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
    static std::string programs() { return prefix() + "/libexec/quelmire"; }
    static std::string textures() { return prefix() + "/share/quelmire"; }

    TempDir elsewhere_;  // the working directory the user starts from

  private:
    static TempDir* prefix_;
    static CommandResult* install_;
};

TempDir* Installed::prefix_ = nullptr;
CommandResult* Installed::install_ = nullptr;

TEST_F(Installed, PutsProgramsTexturesAndLaunchersInTheirFolders) {
    for (const char* program : {"quelmire", "brindlefen"}) {
        EXPECT_EQ(access((prefix() + "/bin/" + program).c_str(), X_OK), 0) << program;
        EXPECT_EQ(access((programs() + "/" + program).c_str(), X_OK), 0) << program;
    }
    for (const std::string& texture : expected::kTextureFiles) {
        EXPECT_EQ(readFile(textures() + "/" + texture), readFile(dataDir() + "/" + texture))
            << texture;
    }
}

// Where software centres look for it; the package test validates it.
TEST_F(Installed, PutsEachProgramsAppStreamMetainfoInShareMetainfo) {
    for (const std::string& id : expected::kAppStreamIds) {
        const std::string metainfo = "/share/metainfo/" + id + ".metainfo.xml";
        EXPECT_NE(readFile(prefix() + metainfo), "") << metainfo;
    }
}

TEST_F(Installed, EachLauncherStartsItsProgramInTheTextureFolderFromAnyDirectory) {
    expectQuelmireLauncherWorks(prefix() + "/bin", programs(), textures(), elsewhere_.path);
    expectBrindlefenLauncherWorks(prefix() + "/bin", programs(), textures(), elsewhere_.path);
}

// The contrast that makes the check of textured land mean something: the program itself,
// started where there are no textures, draws the same land black.
TEST_F(Installed, TheBareProgramFromADirectoryWithoutTexturesDrawsTheLandBlack) {
    Program quelmire(programs() + "/quelmire", elsewhere_.path);
    const std::string window = quelmire.waitForWindow(expected::kQuelmireTitle);
    ASSERT_FALSE(window.empty()) << quelmire.stderrText();
    const Screenshot shot = grabWindow(window);
    ASSERT_EQ(shot.width, 700);
    EXPECT_GT(shareOfBlackLand(shot), 0.95);
    quitWithQ(quelmire, window);
}

}  // namespace
