// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Generates the two embedded meshes as Wavefront OBJ files: assets/land.obj and assets/duck.obj.
// Deterministic; run it on purpose when the shapes change, not at every build:
//
//     build/tools/meshgen assets
//
// The build then converts and checks the OBJ files (tools/meshes/obj2cpp.cpp). Each OBJ vertex
// carries its own v, vn (and vt for the land) at one shared index, so the OBJ vertex order is the
// array order the programs carry.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/meshes/meshgen/geometry.h"

namespace {

void writeObj(const std::string& path, const Mesh& m, const char* what) {
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) {
        std::fprintf(stderr, "meshgen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fprintf(f, "# %s, written by tools/meshgen; one index per vertex for v, vt and vn\n",
                 what);
    for (const auto& p : m.positions) {
        std::fprintf(f, "v %.9g %.9g %.9g\n", float(p.x), float(p.y), float(p.z));
    }
    for (const auto& t : m.texCoords) {
        std::fprintf(f, "vt %.9g %.9g\n", float(t[0]), float(t[1]));
    }
    for (const auto& n : m.normals) {
        std::fprintf(f, "vn %.9g %.9g %.9g\n", float(n.x), float(n.y), float(n.z));
    }
    bool tex = !m.texCoords.empty();
    for (const auto& t : m.triangles) {
        std::fprintf(f, "f");
        for (int v : t) {
            if (tex) {
                std::fprintf(f, " %d/%d/%d", v + 1, v + 1, v + 1);
            } else {
                std::fprintf(f, " %d//%d", v + 1, v + 1);
            }
        }
        std::fprintf(f, "\n");
    }
    std::fclose(f);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: meshgen ASSETS_DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    Mesh land = makeLand();
    land.normals = smoothNormals(land.positions, land.triangles);
    writeObj(dir + "/land.obj", land, "Land with a pond basin");
    writeObj(dir + "/duck.obj", makeDuck(), "Rubber duck");
    return 0;
}
