// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Damaged texture files, end to end under the sanitizers: each real program starts in a
// directory where its texture files are missing or broken in the ways below (or all missing),
// prints only what it always prints, draws its scene and quits with status 0.
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/expected.h"
#include "tests/support/paths.h"
#include "tests/support/program.h"

namespace {

// Good leaves the file as built.
enum class Damage {
    Good,
    Missing,
    Empty,
    Short,
    OneByte,
    Longer,
    Directory,
    DanglingSymlink,
    Pipe
};
constexpr int kStates = 9;

const char* damageName(Damage damage) {
    switch (damage) {
        case Damage::Good:
            return "Good";
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
        case Damage::Pipe:
            return "Pipe";
    }
    return "";
}

struct TextureFile {
    const char* name;
    int side;  // side x side RGB pixels
};

struct Case {
    const char* program;  // "quelmire" or "brindlefen"
    bool allMissing;      // no texture file at all; else each file as `damages` says
    std::vector<TextureFile> files;
    std::vector<Damage> damages;
};

// Replaces the good file at `path` (side x side RGB) with the damaged kind.
void damage(const std::string& path, int side, Damage kind) {
    if (kind == Damage::Good) {
        return;
    }
    const std::string good = readFile(path);
    ASSERT_EQ(good.size(), std::size_t(side) * side * 3) << path;
    ASSERT_EQ(unlink(path.c_str()), 0) << path;
    switch (kind) {
        case Damage::Good:
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
        case Damage::Pipe:  // with no writer, a plain open of it would wait for ever
            ASSERT_EQ(mkfifo(path.c_str(), 0644), 0) << path;
            break;
    }
}

std::string caseName(const Case& c) {
    std::string name = c.program;
    if (c.allMissing) {
        return name + "_all_Missing";
    }
    for (std::size_t i = 0; i < c.files.size(); ++i) {
        const std::string file = c.files[i].name;
        name += "_" + file.substr(0, file.find('.')) + "_" + damageName(c.damages[i]);
    }
    return name;
}

// For gtest's messages, instead of the case's bytes.
void PrintTo(const Case& c, std::ostream* out) {
    *out << caseName(c);
}

class BadTextureFiles : public ::testing::TestWithParam<Case> {};

TEST_P(BadTextureFiles, StartsPrintsOnlyItsUsualTextDrawsAndQuitsWithStatusZero) {
    const Case c = GetParam();
    const bool quelmire = std::string(c.program) == "quelmire";
    TempDir dir;
    if (!c.allMissing) {
        copyTextures(dir.path);
        for (std::size_t i = 0; i < c.files.size(); ++i) {
            damage(dir.path + "/" + c.files[i].name, c.files[i].side, c.damages[i]);
            if (HasFatalFailure()) {
                return;
            }
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

// Each program starts once per row of a Latin square: in row r, file i is in state (r + i) mod 9.
// Every file meets every damage once, beside files that are good or damaged otherwise; each start
// of a sanitized program costs a couple of seconds, so this takes 17 starts where one damaged file
// per start would take 40.
std::vector<Case> allCases() {
    const std::vector<Case> programs = {
        {"quelmire",
         false,
         {{"wood.raw", 256}, {"sign1.raw", 256}, {"sign2.raw", 256}, {"grass.raw", 512}},
         {}},
        {"brindlefen", false, {{"grass.raw", 512}}, {}}};
    std::vector<Case> cases = {{"quelmire", true, {}, {}}, {"brindlefen", true, {}, {}}};
    for (const Case& program : programs) {
        for (int row = 0; row < kStates; ++row) {
            Case c = program;
            for (std::size_t i = 0; i < c.files.size(); ++i) {
                c.damages.push_back(static_cast<Damage>((row + i) % kStates));
            }
            if (c.damages.size() == 1 && c.damages[0] == Damage::Good) {
                continue;  // Brindlefen with its one file good is no damage at all
            }
            cases.push_back(c);
        }
    }
    return cases;
}

std::string testName(const ::testing::TestParamInfo<Case>& info) {
    return caseName(info.param);
}

INSTANTIATE_TEST_SUITE_P(EachFileEachDamage, BadTextureFiles, ::testing::ValuesIn(allCases()),
                         testName);

}  // namespace
