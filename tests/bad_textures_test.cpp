// Damaged texture files, end to end under the sanitizers: each real program starts in a
// directory where one texture file (or every one) is missing or broken in one way, prints only
// what it always prints, draws its scene and quits with status 0.
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/expected.h"
#include "tests/support/paths.h"
#include "tests/support/program.h"

namespace {

enum class Damage { Missing, Empty, Short, OneByte, Longer, Directory, DanglingSymlink };

struct Case {
    const char* program;  // "quelmire" or "brindlefen"
    const char* file;     // "*" for every texture file
    int side;             // the texture is side x side RGB pixels
    Damage damage;
};

const char* damageName(Damage damage) {
    switch (damage) {
        case Damage::Missing:
            return "Missing";
        case Damage::Empty:
            return "Empty";
        case Damage::Short:
            return "Short";
        case Damage::OneByte:
            return "OneByte";
        case Damage::Longer:
            return "Longer";
        case Damage::Directory:
            return "Directory";
        case Damage::DanglingSymlink:
            return "DanglingSymlink";
    }
    return "";
}

// Replaces the good file at `path` (side x side RGB) with the damaged kind.
void damage(const std::string& path, int side, Damage kind) {
    const std::string good = readFile(path);
    ASSERT_EQ(good.size(), std::size_t(side) * side * 3) << path;
    ASSERT_EQ(unlink(path.c_str()), 0) << path;
    switch (kind) {
        case Damage::Missing:
            break;
        case Damage::Empty:
            writeFile(path, "");
            break;
        case Damage::Short:
            writeFile(path, good.substr(0, good.size() / 2 + 1));  // ends inside a pixel
            break;
        case Damage::OneByte:
            writeFile(path, good.substr(0, 1));
            break;
        case Damage::Longer:
            writeFile(path, good + std::string(4099, '\xa5'));
            break;
        case Damage::Directory:
            ASSERT_EQ(mkdir(path.c_str(), 0755), 0) << path;
            break;
        case Damage::DanglingSymlink:
            ASSERT_EQ(symlink("nowhere/gone.raw", path.c_str()), 0) << path;
            break;
    }
}

class BadTextureFile : public ::testing::TestWithParam<Case> {};

TEST_P(BadTextureFile, StartsPrintsOnlyItsUsualTextDrawsAndQuitsWithStatusZero) {
    const Case c = GetParam();
    const bool quelmire = std::string(c.program) == "quelmire";
    TempDir dir;
    if (std::string(c.file) != "*") {
        copyTextures(dir.path);
        damage(dir.path + "/" + c.file, c.side, c.damage);
        if (HasFatalFailure()) {
            return;
        }
    }
    Program program(quelmire ? quelmirePath() : brindlefenPath(), dir.path);
    // Found and drawn: the first frame puts more than one colour on the window.
    const std::string window =
        program.waitForWindow(quelmire ? expected::kQuelmireTitle : expected::kBrindlefenTitle);
    ASSERT_FALSE(window.empty()) << "no window or no frame; standard error:\n"
                                 << program.stderrText();

    xdo("mousemove --window " + window + " 10 10 key q");
    EXPECT_EQ(program.waitExit(), 0);
    EXPECT_EQ(program.stdoutText(), quelmire ? expected::kQuelmireHelp : std::string());
    EXPECT_EQ(program.stderrText(), "");
}

std::vector<Case> allCases() {
    const std::vector<Damage> damages = {Damage::Missing,        Damage::Empty,  Damage::Short,
                                         Damage::OneByte,        Damage::Longer, Damage::Directory,
                                         Damage::DanglingSymlink};
    const std::vector<Case> files = {{"quelmire", "wood.raw", 256, Damage::Missing},
                                     {"quelmire", "sign1.raw", 256, Damage::Missing},
                                     {"quelmire", "sign2.raw", 256, Damage::Missing},
                                     {"quelmire", "grass.raw", 512, Damage::Missing},
                                     {"brindlefen", "grass.raw", 512, Damage::Missing}};
    std::vector<Case> cases = {{"quelmire", "*", 0, Damage::Missing},
                               {"brindlefen", "*", 0, Damage::Missing}};
    for (Case file : files) {
        for (Damage d : damages) {
            file.damage = d;
            cases.push_back(file);
        }
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string file = info.param.file;
    file = file == "*" ? "all" : file.substr(0, file.find('.'));
    return std::string(info.param.program) + "_" + file + "_" + damageName(info.param.damage);
}

INSTANTIATE_TEST_SUITE_P(EachFileEachDamage, BadTextureFile, ::testing::ValuesIn(allCases()),
                         caseName);

}  // namespace
