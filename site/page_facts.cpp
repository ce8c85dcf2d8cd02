// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// page_facts PROGRAM: prints, as JSON, what the program's page needs to know of it, from the
// program's own headers: its window's size, the texture files its page fetches, its hints and
// what a finger's drag can be. site.cmake runs it at build time and writes the page from it
// (page.cmake).
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>

#include "app/facts.h"
#include "app/page_facts.h"
#include "viewer/facts.h"
#include "viewer/page_facts.h"

namespace {

// A finger's drag as a page offers it, for a program that offers none.
struct Drag {
    const char* label;
    int modifiers;
};

// A JSON string: the hints are plain text, but a quote or a backslash would still come out whole.
std::string quoted(const char* text) {
    std::string out = "\"";
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c == '"' || *c == '\\') {
            out += '\\';
        }
        out += *c;
    }
    return out + "\"";
}

template <typename Files, typename Drags>
void print(int width, int height, const Files& files, const char* hint, const char* touchHint,
           const Drags& drags) {
    std::string text = "{\"width\": " + std::to_string(width) +
                       ", \"height\": " + std::to_string(height) + ", \"files\": [";
    const char* comma = "";
    for (const assets::TextureFile* file : files) {
        text += comma + quoted(file->name);
        comma = ", ";
    }
    text += "], \"hint\": " + quoted(hint) + ", \"touchHint\": " + quoted(touchHint) +
            ", \"touchDrags\": [";
    comma = "";
    for (const auto& drag : drags) {
        text += comma;
        text += "{\"label\": " + quoted(drag.label) +
                ", \"modifiers\": " + std::to_string(drag.modifiers) + "}";
        comma = ", ";
    }
    std::printf("%s]}\n", text.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    const char* program = argc == 2 ? argv[1] : "";
    if (std::strcmp(program, "quelmire") == 0) {
        print(quelmire::kWindowWidth, quelmire::kWindowHeight, quelmire::kPageFiles,
              quelmire::kPageHint, quelmire::kPageTouchHint, quelmire::kTouchDrags);
        return 0;
    }
    if (std::strcmp(program, "brindlefen") == 0) {
        // Brindlefen's drag only turns the land: its page offers no choice.
        print(brindlefen::kViewerWindowSize, brindlefen::kViewerWindowSize, brindlefen::kPageFiles,
              brindlefen::kPageHint, brindlefen::kPageTouchHint, std::initializer_list<Drag>{});
        return 0;
    }
    std::fprintf(stderr, "usage: page_facts quelmire|brindlefen\n");
    return 2;
}
