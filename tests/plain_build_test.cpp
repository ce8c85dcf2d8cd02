// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The tree as a packager meets it: a copy of it in a folder of its own, built with plain CMake
// and no preset. Unix Makefiles make the programs and the desktop files, compile no test code,
// and install the same tree with a prefix or with DESTDIR; and a package built there without
// the compiler cache is the same, byte for byte, as the one this build makes.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/paths.h"
#include "tests/support/program.h"

namespace {

std::string inQuotes(const std::string& text) {
    return "'" + text + "'";
}

// The files below a folder, as paths relative to it, one a line and sorted.
std::string filesBelow(const std::string& dir) {
    return runCommand("cd " + inQuotes(dir) + " && find . -type f -o -type l | sort").output;
}

// What cpack stamps the package with: `environment` is how the builder sets SOURCE_DATE_EPOCH.
std::string timeStamp(const std::string& build, const std::string& environment) {
    TempDir dir;
    writeFile(dir.path + "/print.cmake", "include(\"" + build +
                                             "/cpack_source_date.cmake\")\n"
                                             "message(\"$ENV{SOURCE_DATE_EPOCH}\")\n");
    return runCommand(environment + " cmake -P " + inQuotes(dir.path + "/print.cmake") + " 2>&1")
        .output;
}

// The copy of the tree (what git tracks and what it does not ignore, as it is now), made once
// for all cases, in a folder whose path is not the tree's.
class CopiedTree : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir_ = new TempDir;
        copy_ = new CommandResult(
            runCommand("cd " + inQuotes(sourceDir()) +
                       " && git ls-files -z -co --exclude-standard | xargs -0 cp -P --parents -t " +
                       inQuotes(tree()) + " 2>&1"));
    }
    static void TearDownTestSuite() {
        delete copy_;
        delete dir_;
    }
    void SetUp() override { ASSERT_EQ(copy_->status, 0) << copy_->output; }

    static std::string tree() { return dir_->path; }
    // The package that cpack makes from a build folder, into a folder of its own. The time
    // stamp is the same for both, so that only what the build put in can differ.
    static std::string package(const std::string& build, const std::string& out) {
        const CommandResult cpack =
            runCommand("SOURCE_DATE_EPOCH=1796794200 cpack --config " +
                       inQuotes(build + "/CPackConfig.cmake") + " -B " + inQuotes(out) + " 2>&1");
        EXPECT_EQ(cpack.status, 0) << cpack.output;
        return readFile(
            runCommand("ls " + inQuotes(out) + "/*.deb | head -n1 | tr -d '\\n'").output);
    }

  private:
    static TempDir* dir_;
    static CommandResult* copy_;
};

TempDir* CopiedTree::dir_ = nullptr;
CommandResult* CopiedTree::copy_ = nullptr;

TEST_F(CopiedTree, UnixMakefilesBuildTheProgramsAndDesktopFilesAndNoTestCode) {
    const std::string build = tree() + "/plain";
    const CommandResult configure = runCommand("cmake -S " + inQuotes(tree()) + " -B " +
                                               inQuotes(build) + " -G 'Unix Makefiles' 2>&1");
    ASSERT_EQ(configure.status, 0) << configure.output;
    // The copy is no git checkout: its package would be stamped with the change log's newest
    // date, Wed, 09 Dec 2026 05:30:00 +0000.
    EXPECT_EQ(timeStamp(build, "env -u SOURCE_DATE_EPOCH"), "1796794200\n");
    const CommandResult make = runCommand("cmake --build " + inQuotes(build) + " -j2 2>&1");
    ASSERT_EQ(make.status, 0) << make.output;
    EXPECT_EQ(make.output.find("warning:"), std::string::npos) << make.output;

    // Nothing of tests/ was compiled: no object file, library or program lies there.
    EXPECT_EQ(
        runCommand("find " + inQuotes(build + "/tests") +
                   " -type f \\( -name '*.o' -o -name '*.a' -o -name '*.so' -o -perm -u+x \\)")
            .output,
        "");

    TempDir prefix, destdir;
    const CommandResult install = runCommand("cmake --install " + inQuotes(build) + " --prefix " +
                                             inQuotes(prefix.path) + " 2>&1");
    ASSERT_EQ(install.status, 0) << install.output;
    const CommandResult staged =
        runCommand("DESTDIR=" + inQuotes(destdir.path) + " cmake --install " + inQuotes(build) +
                   " --prefix /usr 2>&1");
    ASSERT_EQ(staged.status, 0) << staged.output;

    // The same tree both ways, and the same as this build's own install, which the install and
    // package tests look into.
    TempDir reference;
    const CommandResult own = runCommand("cmake --install " + inQuotes(binaryDir()) + " --prefix " +
                                         inQuotes(reference.path) + " 2>&1");
    ASSERT_EQ(own.status, 0) << own.output;
    const std::string expected = filesBelow(reference.path);
    EXPECT_NE(expected.find("./bin/quelmire\n"), std::string::npos) << expected;
    EXPECT_NE(expected.find("./share/man/man6/brindlefen.6.gz\n"), std::string::npos) << expected;
    EXPECT_EQ(filesBelow(prefix.path), expected);
    EXPECT_EQ(filesBelow(destdir.path + "/usr"), expected);
    EXPECT_EQ(runCommand("ls -A " + inQuotes(destdir.path)).output, "usr\n");
}

// Without the cache every object is compiled again here, in a folder of another name: any
// build path or time that reached a shipped file would show as a difference.
TEST_F(CopiedTree, APackageBuiltAgainElsewhereWithoutTheCacheIsTheSameByteForByte) {
    const std::string build = tree() + "/build";
    const CommandResult configure =
        runCommand("cd " + inQuotes(tree()) + " && cmake --preset default 2>&1");
    ASSERT_EQ(configure.status, 0) << configure.output;
    const CommandResult make =
        runCommand("CCACHE_DISABLE=1 cmake --build " + inQuotes(build) + " 2>&1");
    ASSERT_EQ(make.status, 0) << make.output;

    TempDir here, there;
    const std::string ours = package(binaryDir(), here.path);
    const std::string again = package(build, there.path);
    ASSERT_NE(ours, "");
    EXPECT_TRUE(ours == again) << "the package built again in another folder without the cache "
                                  "differs from this build's: a build path or a time reaches a "
                                  "shipped file (compare the two with diffoscope)";
}

TEST(PackageTimeStamp, IsTheLastCommitsTimeInACheckoutAndTheBuildersOwnWhenSet) {
    EXPECT_EQ(timeStamp(binaryDir(), "env -u SOURCE_DATE_EPOCH"),
              runCommand("git -C " + inQuotes(sourceDir()) + " log -1 --format=%ct").output);
    EXPECT_EQ(timeStamp(binaryDir(), "SOURCE_DATE_EPOCH=1234567"), "1234567\n");
}

}  // namespace
