// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// expected_json: prints the expected texts of expected.h as one JSON object, for the browser
// tests, which are written in JavaScript: the words stay written once.
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

}  // namespace

int main() {
    std::printf(
        "{\"quelmireTitle\": %s,\n \"brindlefenTitle\": %s,\n \"quelmireHelp\": %s,\n"
        " \"brindlefenHelp\": %s,\n \"textureFiles\": %s}\n",
        json(expected::kQuelmireTitle).c_str(), json(expected::kBrindlefenTitle).c_str(),
        json(expected::kQuelmireHelp).c_str(), json(expected::kBrindlefenHelp).c_str(),
        json(expected::kTextureFiles).c_str());
    return 0;
}
