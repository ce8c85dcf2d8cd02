// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// expected_json: prints the expected texts and menus of expected.h as one JSON object, for the
// browser tests, which are written in JavaScript: the words stay written once.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/expected.h"

namespace {

std::string json(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string json(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (const std::string& text : texts) {
        out += (out.size() > 1 ? ", " : "") + json(text);
    }
    return out + "]";
}

// The menu tree that the menu calls build, as the user sees it: the attached menu's entries,
// each {"label", "value"} or {"label", "submenu": [...]}.
std::string menuTree(const std::vector<std::string>& calls) {
    std::vector<std::vector<std::string>> menus;  // entries in JSON, by menu number - 1
    for (const std::string& call : calls) {
        const auto space = call.find(' ');
        const std::string verb = call.substr(0, space);
        const std::string rest = call.substr(space + 1);
        const auto second = rest.find(' ');
        if (verb == "menu") {
            menus.emplace_back();
        } else if (verb == "entry") {
            menus.back().push_back("{\"label\": " + json(rest.substr(second + 1)) +
                                   ", \"value\": " + rest.substr(0, second) + "}");
        } else if (verb == "submenu") {
            const auto& submenu = menus.at(std::stoul(rest.substr(0, second)) - 1);
            std::string entries;
            for (const std::string& entry : submenu) {
                entries += (entries.empty() ? "" : ", ") + entry;
            }
            menus.back().push_back("{\"label\": " + json(rest.substr(second + 1)) +
                                   ", \"submenu\": [" + entries + "]}");
        }
    }
    std::string out;
    for (const std::string& entry : menus.back()) {
        out += (out.empty() ? "" : ", ") + entry;
    }
    return "[" + out + "]";
}

}  // namespace

int main() {
    std::printf(
        "{\"quelmireTitle\": %s,\n \"brindlefenTitle\": %s,\n \"quelmireHelp\": %s,\n"
        " \"brindlefenHelp\": %s,\n \"textureFiles\": %s,\n \"quelmireMenu\": %s,\n"
        " \"brindlefenMenu\": %s}\n",
        json(expected::kQuelmireTitle).c_str(), json(expected::kBrindlefenTitle).c_str(),
        json(expected::kQuelmireHelp).c_str(), json(expected::kBrindlefenHelp).c_str(),
        json(expected::kTextureFiles).c_str(), menuTree(expected::kQuelmireMenus).c_str(),
        menuTree(expected::kBrindlefenMenus).c_str());
    return 0;
}
