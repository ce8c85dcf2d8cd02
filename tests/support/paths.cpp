// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

#include "tests/support/paths.h"

std::string quelmirePath() {
    return QUELMIRE_PATH;
}

std::string brindlefenPath() {
    return BRINDLEFEN_PATH;
}

std::string dataDir() {
    return DATA_DIR;
}

std::string sourceDir() {
    return SOURCE_DIR;
}

std::string binaryDir() {
    return BINARY_DIR;
}

std::string probePath() {
    return PROBE_PATH;
}

std::string closeWindowPath() {
    return CLOSE_WINDOW_PATH;
}

std::string texgenPath() {
    return TEXGEN_PATH;
}

std::string xwd2pngPath() {
    return XWD2PNG_PATH;
}

std::string docsPicturesPath() {
    return DOCS_PICTURES_PATH;
}

std::string momentshotPath() {
    return MOMENTSHOT_PATH;
}

std::string brindlefenMomentshotPath() {
    return BRINDLEFEN_MOMENTSHOT_PATH;
}

std::string layerMomentshotPath() {
    return LAYER_MOMENTSHOT_PATH;
}

std::string layerBrindlefenMomentshotPath() {
    return LAYER_BRINDLEFEN_MOMENTSHOT_PATH;
}
