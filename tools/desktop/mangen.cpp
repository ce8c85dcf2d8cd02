// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// mangen PROGRAM TEMPLATE OUTPUT VERSION TEXTUREDIR: writes the manual page of quelmire or
// brindlefen from its roff template. The keys and the menu come from the same constants that the
// program's help text and menus are made of (app/facts.h, viewer/facts.h), so the page cannot drift
// from the program. In the template, a line @KEYS@ becomes the keys, a line @MENU@ the menu tree,
// and @VERSION@ and
// @TEXTURE_DIR@ are replaced wherever they stand. A help line that names keys in a way this
// tool cannot read fails the run, as does a template without the two lines.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/facts.h"
#include "viewer/facts.h"

namespace {

struct MenuItem {
    std::string label;
    std::vector<MenuItem> submenu;
};

struct Page {
    std::vector<std::string> helpLines;
    std::vector<MenuItem> menu;
};

template <typename Entry, std::size_t N>
std::vector<MenuItem> itemsOf(const Entry (&entries)[N]) {
    std::vector<MenuItem> items;
    for (const Entry& entry : entries) {
        items.push_back({entry.label, {}});
    }
    return items;
}

template <std::size_t N>
std::vector<std::string> linesOf(const char* const (&lines)[N]) {
    return std::vector<std::string>(lines, lines + N);
}

// Quelmire's top-level menu holds its two submenus between the entries above and below.
Page quelmirePage() {
    using namespace quelmire;
    Page page{linesOf(kHelpLines), itemsOf(kMainMenuEntriesAbove)};
    page.menu.push_back({kResetSubmenuLabel, itemsOf(kResetMenuEntries)});
    page.menu.push_back({kRenderModeSubmenuLabel, itemsOf(kRenderModeMenuEntries)});
    for (const MenuItem& item : itemsOf(kMainMenuEntriesBelow)) {
        page.menu.push_back(item);
    }
    return page;
}

Page brindlefenPage() {
    return {linesOf(brindlefen::kViewerHelpLines), itemsOf(brindlefen::kViewerMenuEntries)};
}

// Text for a roff line: backslashes and hyphens kept literal, a leading control character
// defused.
std::string roff(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) {
        out.insert(0, "\\&");
    }
    return out;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

// "Press KEYS to ACTION" or "Press KEYS for ACTION", split at the first " to " or " for ":
// false when the line is not of that shape.
bool splitPressLine(const std::string& line, std::string& keys, std::string& action) {
    const std::string press = "Press ";
    if (line.rfind(press, 0) != 0) {
        return false;
    }
    for (std::size_t at = press.size() + 1; at < line.size(); ++at) {
        for (const std::string word : {" to ", " for "}) {
            if (line.compare(at, word.size(), word) == 0 && at + word.size() < line.size()) {
                keys = line.substr(press.size(), at - press.size());
                action = line.substr(at + word.size());
                return true;
            }
        }
    }
    return false;
}

// "Press z or Z to reset Zoom" becomes a tagged paragraph: the keys in bold, then "Reset Zoom.".
// Lines that do not start with "Press" (the greeting) name no key.
bool writeKeys(const std::vector<std::string>& helpLines, std::ostream& out) {
    for (const std::string& raw : helpLines) {
        const std::string line = trimmed(raw);
        if (line.rfind("Press", 0) != 0) {
            continue;
        }
        std::string keys;
        std::string action;
        if (!splitPressLine(line, keys, action)) {
            std::fprintf(stderr, "mangen: cannot read the keys of the help line \"%s\"\n",
                         line.c_str());
            return false;
        }
        // "x, X, q, or Q" and "x,X,q, or Q": keys between commas and "or".
        for (char& c : keys) {
            c = c == ',' ? ' ' : c;
        }
        std::istringstream words(keys);
        std::string tag;
        for (std::string key; words >> key;) {
            if (key == "or") {
                continue;
            }
            if (key.size() != 1) {
                std::fprintf(stderr, "mangen: \"%s\" in the help line \"%s\" is not a key\n",
                             key.c_str(), line.c_str());
                return false;
            }
            tag += (tag.empty() ? "" : "\\fR, ") + std::string("\\fB") + roff(key);
        }
        action[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(action[0])));
        out << ".TP\n" << tag << "\\fR\n" << roff(action) << ".\n";
    }
    return true;
}

void writeMenu(const std::vector<MenuItem>& items, std::ostream& out) {
    for (const MenuItem& item : items) {
        out << ".IP \\(bu 2\n" << roff(item.label);
        if (item.submenu.empty()) {
            out << "\n";
            continue;
        }
        out << " \\(->\n.RS\n";
        writeMenu(item.submenu, out);
        out << ".RE\n";
    }
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr,
                     "usage: mangen quelmire|brindlefen TEMPLATE OUTPUT VERSION TEXTUREDIR\n");
        return 2;
    }
    const std::string program = argv[1];
    if (program != "quelmire" && program != "brindlefen") {
        std::fprintf(stderr, "mangen: no page for \"%s\"\n", program.c_str());
        return 2;
    }
    const Page page = program == "quelmire" ? quelmirePage() : brindlefenPage();
    std::ifstream in(argv[2]);
    if (!in) {
        std::fprintf(stderr, "mangen: cannot read %s\n", argv[2]);
        return 1;
    }
    std::ostringstream out;
    int keysLines = 0;
    int menuLines = 0;
    for (std::string line; std::getline(in, line);) {
        if (line == "@KEYS@") {
            ++keysLines;
            if (!writeKeys(page.helpLines, out)) {
                return 1;
            }
        } else if (line == "@MENU@") {
            ++menuLines;
            writeMenu(page.menu, out);
        } else {
            replaceAll(line, "@VERSION@", argv[4]);
            replaceAll(line, "@TEXTURE_DIR@", argv[5]);
            out << line << "\n";
        }
    }
    if (keysLines != 1 || menuLines != 1) {
        std::fprintf(stderr, "mangen: %s needs one line @KEYS@ and one line @MENU@\n", argv[2]);
        return 1;
    }
    std::ofstream file(argv[3]);
    file << out.str();
    file.close();
    if (!file) {
        std::fprintf(stderr, "mangen: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
