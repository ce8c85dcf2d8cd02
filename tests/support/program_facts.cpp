// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// program_facts quelmire|brindlefen: prints, as shell assignments for the storm and the soak, what
// they must know of a program, taken from the programs' own headers: its window title and size, its
// help text, and how many entries its menus have.
#include <cstdio>
#include <string>

#include "app/facts.h"
#include "viewer/facts.h"

namespace {

// $'...' quoting: every byte comes back as it was, tabs and line ends included.
std::string quoted(const std::string& text) {
    std::string out = "$'";
    for (const char c : text) {
        switch (c) {
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\'':
            case '\\':
                out += '\\';
                out += c;
                break;
            default:
                out += c;
        }
    }
    return out + "'";
}

template <typename Lines>
std::string helpText(const Lines& lines) {
    std::string text;
    for (const char* line : lines) {
        text += std::string(line) + "\n";
    }
    return text;
}

constexpr int kResetEntries =
    sizeof quelmire::kResetMenuEntries / sizeof quelmire::kResetMenuEntries[0];
constexpr int kRenderModeEntries =
    sizeof quelmire::kRenderModeMenuEntries / sizeof quelmire::kRenderModeMenuEntries[0];
constexpr int kAbove =
    sizeof quelmire::kMainMenuEntriesAbove / sizeof quelmire::kMainMenuEntriesAbove[0];
constexpr int kBelow =
    sizeof quelmire::kMainMenuEntriesBelow / sizeof quelmire::kMainMenuEntriesBelow[0];

}  // namespace

int main(int argc, char** argv) {
    const std::string kind = argc == 2 ? argv[1] : "";
    if (kind == "quelmire") {
        std::printf("title=%s\n", quoted(quelmire::kWindowTitle).c_str());
        std::printf("width=%d height=%d\n", quelmire::kWindowWidth, quelmire::kWindowHeight);
        std::printf("helpText=%s\n", quoted(helpText(quelmire::kHelpLines)).c_str());
        // Top level: the entries above, the two submenus, the entries below; Quit is the last.
        std::printf("menuEntries=%d\n", kAbove + 2 + kBelow);
        std::printf("submenuEntries=(");
        for (int i = 0; i < kAbove; ++i) {
            std::printf("0 ");
        }
        std::printf("%d %d", kResetEntries, kRenderModeEntries);
        for (int i = 0; i < kBelow; ++i) {
            std::printf(" 0");
        }
        std::printf(")\n");
        return 0;
    }
    if (kind == "brindlefen") {
        std::printf("title=%s\n", quoted(brindlefen::kViewerTitle).c_str());
        std::printf("width=%d height=%d\n", brindlefen::kViewerWindowSize,
                    brindlefen::kViewerWindowSize);
        std::printf("helpText=%s\n", quoted(helpText(brindlefen::kViewerHelpLines)).c_str());
        const int entries =
            sizeof brindlefen::kViewerMenuEntries / sizeof brindlefen::kViewerMenuEntries[0];
        std::printf("menuEntries=%d\nsubmenuEntries=(", entries);
        for (int i = 0; i < entries; ++i) {
            std::printf("%s0", i == 0 ? "" : " ");
        }
        std::printf(")\n");
        return 0;
    }
    std::fprintf(stderr, "usage: program_facts quelmire|brindlefen\n");
    return 2;
}
