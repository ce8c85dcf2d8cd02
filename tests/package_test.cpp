// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The Debian package, made by cpack from this build into a temporary folder and unpacked with
// dpkg-deb into a temporary root: its name and Depends, what it holds, what lintian,
// desktop-file-validate and man make of it, and both launchers from the unpacked tree showing
// their first frame.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>
#include <regex.h>
#include <unistd.h>

#include "app/facts.h"
#include "tests/support/expected.h"
#include "tests/support/launchers.h"
#include "tests/support/paths.h"
#include "viewer/facts.h"

namespace {

const char* const kPrograms[] = {"quelmire", "brindlefen"};
const int kIconSizes[] = {48, 128, 256};

std::string shellQuoted(const std::string& text) {
    return "'" + text + "'";
}

std::string contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

bool isExecutable(const std::string& path) {
    return access(path.c_str(), X_OK) == 0;
}

// Whether an extended regular expression matches somewhere in the text; `.` and `^` stop at
// line ends. The C library's matcher, because <regex> triples this file's compile time.
bool containsMatch(const std::string& text, const char* pattern) {
    regex_t compiled;
    if (regcomp(&compiled, pattern, REG_EXTENDED | REG_NOSUB | REG_NEWLINE) != 0) {
        ADD_FAILURE() << "bad pattern " << pattern;
        return false;
    }
    const bool found = regexec(&compiled, text.c_str(), 0, nullptr, 0) == 0;
    regfree(&compiled);
    return found;
}

// The word that follows each place where `prefix` stands in the text.
std::vector<std::string> wordsAfter(const std::string& text, const std::string& prefix) {
    std::vector<std::string> words;
    for (auto at = text.find(prefix); at != std::string::npos; at = text.find(prefix, at + 1)) {
        const auto start = at + prefix.size();
        words.push_back(text.substr(start, text.find_first_of(" \t\n", start) - start));
    }
    return words;
}

// Runs of spaces and line breaks made one space, so that text compares however man wrapped it.
std::string squeezed(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c))) {
            out += c;
        } else if (out.empty() || out.back() != ' ') {
            out += ' ';
        }
    }
    return out;
}

// The project version the build was configured with.
std::string projectVersion() {
    const auto version =
        wordsAfter(contents(binaryDir() + "/CMakeCache.txt"), "CMAKE_PROJECT_VERSION:STATIC=");
    return version.empty() ? "" : version.front();
}

// Width and height from a PNG's header, or 0 x 0 if it is not a PNG with an alpha channel.
std::pair<int, int> rgbaPngSize(const std::string& path) {
    const std::string bytes = contents(path);
    if (bytes.size() < 26 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes[25] != 6) {
        return {0, 0};
    }
    auto number = [&](std::size_t at) {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        }
        return static_cast<int>(value);
    };
    return {number(16), number(20)};
}

// The page as man renders it for an 80-column terminal, squeezed.
std::string renderedPage(const std::string& path) {
    return squeezed(
        runCommand("LC_ALL=C.UTF-8 MANWIDTH=80 man -l " + shellQuoted(path) + " 2>/dev/null")
            .output);
}

// What a page says between two of its section headings.
std::string section(const std::string& page, const std::string& from, const std::string& to) {
    const auto start = page.find(" " + from + " ");
    const auto end = page.find(" " + to + " ", start);
    return start == std::string::npos || end == std::string::npos ? ""
                                                                  : page.substr(start, end - start);
}

// A help line "Press x, X, q, or Q to exit" as the page's KEYS section renders it:
// "x, X, q, Q Exit.". Lines that do not start with "Press" name no key.
std::string renderedKeyEntry(std::string line) {
    line.erase(0, line.find_first_not_of(" \t"));
    if (line.rfind("Press ", 0) != 0) {
        return "";
    }
    // The keys end at the first " to " or " for ".
    const auto to = line.find(" to ", 7);
    const auto forAt = line.find(" for ", 7);
    const auto end = std::min(to, forAt);
    if (end == std::string::npos) {
        return "";
    }
    std::string keyText = line.substr(6, end - 6);
    for (char& c : keyText) {
        c = c == ',' ? ' ' : c;
    }
    std::istringstream words(keyText);
    std::string entry;
    for (std::string key; words >> key;) {
        if (key != "or") {
            entry += (entry.empty() ? "" : ", ") + key;
        }
    }
    std::string action = line.substr(end + (end == to ? 4 : 5));
    action[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(action[0])));
    return entry + " " + action + ".";
}

template <typename Entry, std::size_t N>
std::string renderedMenu(const Entry (&entries)[N]) {
    std::string text;
    for (const Entry& entry : entries) {
        text += std::string(text.empty() ? "" : " ") + "\u2022 " + entry.label;
    }
    return text;
}

// Makes the package once for all cases and unpacks it.
class Package : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        out_ = new TempDir;
        root_ = new TempDir;
        deb_ = out_->path + "/quelmire_" + projectVersion() + "_amd64.deb";
        cpack_ = new CommandResult(runCommand("cpack --config " +
                                              shellQuoted(binaryDir() + "/CPackConfig.cmake") +
                                              " -B " + shellQuoted(out_->path) + " 2>&1"));
        unpack_ = new CommandResult(runCommand("dpkg-deb -x " + shellQuoted(deb_) + " " +
                                               shellQuoted(root_->path) + " 2>&1"));
    }
    static void TearDownTestSuite() {
        delete unpack_;
        delete cpack_;
        delete root_;
        delete out_;
    }
    void SetUp() override {
        ASSERT_EQ(cpack_->status, 0) << cpack_->output;
        ASSERT_EQ(unpack_->status, 0) << deb_ << "\n" << unpack_->output << cpack_->output;
    }

    static std::string deb() { return deb_; }
    static std::string root() { return root_->path; }
    static std::string field(const std::string& name) {
        const CommandResult result = runCommand("dpkg-deb -f " + shellQuoted(deb_) + " " + name);
        return result.status == 0
                   ? squeezed(result.output.substr(0, result.output.find_last_not_of('\n') + 1))
                   : "";
    }
    static std::string page(const std::string& program) {
        return root() + "/usr/share/man/man6/" + program + ".6.gz";
    }

  private:
    static TempDir* out_;
    static TempDir* root_;
    static std::string deb_;
    static CommandResult* cpack_;
    static CommandResult* unpack_;
};

TempDir* Package::out_ = nullptr;
TempDir* Package::root_ = nullptr;
std::string Package::deb_;
CommandResult* Package::cpack_ = nullptr;
CommandResult* Package::unpack_ = nullptr;

TEST_F(Package, IsNamedAfterTheProjectVersionAndTheArchitecture) {
    EXPECT_NE(projectVersion(), "");
    EXPECT_EQ(field("Package"), "quelmire");
    EXPECT_EQ(field("Version"), projectVersion());
    EXPECT_EQ(field("Architecture"), "amd64");
}

// Worked out by dpkg-shlibdeps from the programs: only it writes the versioned C library.
TEST_F(Package, DependsOnTheGlutAndGluRuntimeLibrariesThatTheProgramsLink) {
    const std::string depends = field("Depends");
    EXPECT_TRUE(containsMatch(depends, R"((^|, )(libglut[0-9.]+|freeglut3)\b)")) << depends;
    EXPECT_TRUE(containsMatch(depends, R"((^|, )libglu1-mesa\b)")) << depends;
    EXPECT_TRUE(containsMatch(depends, R"((^|, )libc6 \(>= [0-9.]+\))")) << depends;
}

TEST_F(Package, HoldsTheProgramsTheirTexturesAndTheirLaunchers) {
    for (const char* program : kPrograms) {
        EXPECT_TRUE(isExecutable(root() + "/usr/bin/" + program)) << program;
        EXPECT_TRUE(isExecutable(root() + "/usr/libexec/quelmire/" + program)) << program;
    }
    for (const std::string& texture : expected::kTextureFiles) {
        const std::string packed = contents(root() + "/usr/share/quelmire/" + texture);
        EXPECT_NE(packed, "") << texture;
        EXPECT_EQ(packed, contents(dataDir() + "/" + texture)) << texture;
    }
}

TEST_F(Package, HoldsASquareIconOfEachSizeForEachProgram) {
    for (const char* program : kPrograms) {
        for (int size : kIconSizes) {
            const std::string dir = std::to_string(size) + "x" + std::to_string(size);
            const std::string icon =
                root() + "/usr/share/icons/hicolor/" + dir + "/apps/" + program + ".png";
            EXPECT_EQ(rgbaPngSize(icon), std::make_pair(size, size)) << icon;
        }
    }
}

// Every file lies under /usr and nothing runs at install or removal, so dpkg takes away all
// that it put.
TEST_F(Package, HasNoMaintainerScriptsAndNothingOutsideUsrSoRemovalLeavesNothing) {
    const CommandResult control = runCommand("dpkg-deb --ctrl-tarfile " + shellQuoted(deb()) +
                                             " | tar -t | grep -vx ./ | sort");
    EXPECT_EQ(control.output, "./control\n./md5sums\n");
    const CommandResult top = runCommand("ls -A " + shellQuoted(root()));
    EXPECT_EQ(top.output, "usr\n");
}

TEST_F(Package, DesktopEntriesAreValidAndOpenTheLaunchersInATerminal) {
    for (const std::string program : kPrograms) {
        const std::string entry = root() + "/usr/share/applications/" + program + ".desktop";
        const CommandResult check =
            runCommand("desktop-file-validate " + shellQuoted(entry) + " 2>&1");
        EXPECT_EQ(check.status, 0) << check.output;
        EXPECT_EQ(check.output, "") << program;
        const std::string text = contents(entry);
        std::string name = program;
        name[0] = static_cast<char>(std::toupper(name[0]));
        EXPECT_NE(text.find("\nName=" + name + "\n"), std::string::npos) << text;
        EXPECT_TRUE(containsMatch(text, "^Comment=.+$")) << text;
        EXPECT_NE(text.find("\nExec=" + program + "\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\nIcon=" + program + "\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\nTerminal=true\n"), std::string::npos) << text;
        EXPECT_TRUE(containsMatch(text, "^Categories=(.*;)?(Game|Graphics);")) << text;
    }
}

// One component per program, found by its ID, launching its own desktop entry. Its release is
// the newest entry of the packaged change log as dpkg reads it, on the day that entry gives (in
// its own time zone), and of the project's version; its addresses lie under the homepage.
TEST_F(Package, AppStreamMetainfoIsValidAndReleasedAsTheChangeLogAndTheProjectSay) {
    const auto changelog = [](const std::string& name) {
        const CommandResult field =
            runCommand("zcat " + shellQuoted(root() + "/usr/share/doc/quelmire/changelog.gz") +
                       " | dpkg-parsechangelog -l- -S " + name);
        return field.output.substr(0, field.output.find('\n'));
    };
    EXPECT_EQ(changelog("Version"), projectVersion());
    const std::string stamp = changelog("Date");  // "Wed, 09 Dec 2026 05:30:00 +0000"
    const std::string day =
        runCommand("LC_ALL=C date +%F -d " +
                   shellQuoted(stamp.substr(0, stamp.rfind(' ', stamp.rfind(' ') - 1))))
            .output;
    const std::string release = "<release version=\"" + projectVersion() + "\" date=\"" +
                                day.substr(0, day.find('\n')) + "\"";
    const auto homepage =
        wordsAfter(contents(binaryDir() + "/CMakeCache.txt"), "QUELMIRE_HOMEPAGE:STRING=");
    ASSERT_EQ(homepage.size(), 1u);
    const std::string base = homepage.front().substr(0, homepage.front().find_last_not_of('/') + 1);

    std::string files;
    for (std::size_t i = 0; i < expected::kAppStreamIds.size(); ++i) {
        const std::string program = kPrograms[i];
        const std::string path =
            root() + "/usr/share/metainfo/" + expected::kAppStreamIds[i] + ".metainfo.xml";
        files += " " + shellQuoted(path);
        const std::string text = contents(path);
        EXPECT_NE(text.find("<launchable type=\"desktop-id\">" + program + ".desktop<"),
                  std::string::npos)
            << path << "\n"
            << text;
        // The newest release comes first.
        const auto released = text.find(release);
        EXPECT_NE(released, std::string::npos) << release << "\n" << text;
        EXPECT_EQ(text.find("<release "), released) << release << "\n" << text;
        EXPECT_NE(text.find("<url type=\"homepage\">" + base + "/<"), std::string::npos) << text;
        EXPECT_NE(text.find("<image>" + base + "/screenshots/" + program + ".png<"),
                  std::string::npos)
            << text;
        // The picture a packager publishes there.
        EXPECT_EQ(contents(sourceDir() + "/docs/screenshots/" + program + ".png")
                      .compare(0, 8, "\x89PNG\r\n\x1a\n"),
                  0)
            << program;
    }
    const CommandResult check =
        runCommand("appstreamcli validate --no-net --pedantic" + files + " 2>&1");
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_FALSE(containsMatch(check.output, "^ *[EWIP]: ")) << check.output;
}

// Warnings that lintian still gives must each be explained in the README's install section;
// no tag at any level, pedantic ones included, may say that hardening is missing.
TEST_F(Package, LintianFindsNoErrorsNoHardeningGapAndEveryWarningIsExplained) {
    const CommandResult lintian = runCommand(
        "lintian --display-info --pedantic "
        "--tag-display-limit 0 " +
        shellQuoted(deb()) + " 2>&1");
    EXPECT_EQ(lintian.output.find("\nE: "), std::string::npos) << lintian.output;
    EXPECT_NE(lintian.output.rfind("E: ", 0), 0u) << lintian.output;
    EXPECT_FALSE(containsMatch(lintian.output, "^[EWIPX]: quelmire: hardening-")) << lintian.output;
    const std::string readme = contents(sourceDir() + "/README.md");
    for (const std::string& tag : wordsAfter(lintian.output, "W: quelmire: ")) {
        EXPECT_NE(readme.find(tag), std::string::npos) << tag << " unexplained";
    }
}

// Control-flow marking is left out of the check: the linker keeps it only when every object
// has it, and Debian 12's C start-up files do not.
TEST_F(Package, ProgramsAreHardened) {
    for (const char* program : kPrograms) {
        const CommandResult check =
            runCommand("hardening-check --nocfprotection " +
                       shellQuoted(root() + "/usr/libexec/quelmire/" + program) + " 2>&1");
        EXPECT_EQ(check.status, 0) << check.output;
        for (const char* feature : {"Position Independent Executable: yes", "Stack protected: yes",
                                    "Fortify Source functions: yes", "Read-only relocations: yes",
                                    "Immediate binding: yes"}) {
            EXPECT_NE(check.output.find(feature), std::string::npos) << feature << "\n"
                                                                     << check.output;
        }
    }
}

TEST_F(Package, ManualPagesRenderWithoutWarnings) {
    for (const char* program : kPrograms) {
        const CommandResult man = runCommand("LC_ALL=C.UTF-8 MANWIDTH=80 man -l --warnings " +
                                             shellQuoted(page(program)) + " 2>&1 >/dev/null");
        EXPECT_EQ(man.status, 0) << program;
        EXPECT_EQ(man.output, "") << program;
        EXPECT_NE(renderedPage(page(program)).find(" NAME "), std::string::npos) << program;
    }
}

TEST_F(Package, QuelmiresPageNamesEveryKeyOfItsHelpAndItsWholeMenu) {
    const std::string text = renderedPage(page("quelmire"));
    const std::string keys = section(text, "KEYS", "MENU");
    using namespace quelmire;
    for (const char* line : kHelpLines) {
        EXPECT_NE(keys.find(renderedKeyEntry(line)), std::string::npos) << line << "\n" << keys;
    }
    const std::string menu =
        renderedMenu(kMainMenuEntriesAbove) + " \u2022 " + kResetSubmenuLabel + " \u2192 " +
        renderedMenu(kResetMenuEntries) + " \u2022 " + kRenderModeSubmenuLabel + " \u2192 " +
        renderedMenu(kRenderModeMenuEntries) + " " + renderedMenu(kMainMenuEntriesBelow);
    EXPECT_NE(section(text, "MENU", "FILES").find(menu), std::string::npos) << menu << "\n" << text;
    for (const std::string& texture : expected::kTextureFiles) {
        EXPECT_NE(section(text, "FILES", "SEE").find(texture), std::string::npos) << texture;
    }
    EXPECT_NE(text.find("/usr/share/quelmire"), std::string::npos) << text;
}

TEST_F(Package, BrindlefensPageNamesEveryKeyOfItsHelpAndItsWholeMenu) {
    const std::string text = renderedPage(page("brindlefen"));
    const std::string keys = section(text, "KEYS", "MENU");
    EXPECT_NE(keys.find(" h, H "), std::string::npos) << keys;
    for (const char* line : brindlefen::kViewerHelpLines) {
        EXPECT_NE(keys.find(renderedKeyEntry(line)), std::string::npos) << line << "\n" << keys;
    }
    EXPECT_NE(section(text, "MENU", "FILES").find(renderedMenu(brindlefen::kViewerMenuEntries)),
              std::string::npos)
        << text;
    EXPECT_NE(section(text, "FILES", "SEE").find("grass.raw"), std::string::npos) << text;
    EXPECT_NE(text.find("/usr/share/quelmire"), std::string::npos) << text;
}

TEST_F(Package, EachLauncherFromTheUnpackedTreeStartsItsProgramWithItsTextures) {
    const std::string usr = root() + "/usr";
    expectQuelmireLauncherWorks(usr + "/bin", usr + "/libexec/quelmire", usr + "/share/quelmire",
                                "/");
    expectBrindlefenLauncherWorks(usr + "/bin", usr + "/libexec/quelmire", usr + "/share/quelmire",
                                  "/");
}

}  // namespace
