// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Build-time converter: reads the land and duck OBJ files, checks every property the programs rely
// on (tools/meshes/mesh_checks.h), and writes the constant arrays declared in assets/meshes.h.
//
//     obj2cpp land.obj duck.obj mesh_data.cpp
//
// Data that break a property fail the build with a message naming the property and the
// offending vertex or triangle; nothing is written then.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/meshes/mesh_checks.h"

namespace {

struct ObjMesh {
    std::vector<float> vertices, normals, texCoords;
    std::vector<unsigned int> indices;
};

[[noreturn]] void fail(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "obj2cpp: %s: %s\n", file.c_str(), message.c_str());
    std::exit(1);
}

// Reads v, vt, vn and triangular f lines. Every face corner must name one index for its
// position, texture coordinate and normal alike, so that the OBJ order is the array order.
ObjMesh readObj(const std::string& path, bool wantTexCoords) {
    FILE* f = std::fopen(path.c_str(), "r");
    if (!f) {
        fail(path, "cannot open");
    }
    ObjMesh m;
    char line[1024];
    int lineNo = 0;
    while (std::fgets(line, sizeof line, f)) {
        ++lineNo;
        std::string where = "line " + std::to_string(lineNo);
        float a, b, c;
        if (std::strncmp(line, "v ", 2) == 0) {
            if (std::sscanf(line + 2, "%f %f %f", &a, &b, &c) != 3) {
                fail(path, where + ": bad vertex");
            }
            m.vertices.insert(m.vertices.end(), {a, b, c});
        } else if (std::strncmp(line, "vn ", 3) == 0) {
            if (std::sscanf(line + 3, "%f %f %f", &a, &b, &c) != 3) {
                fail(path, where + ": bad normal");
            }
            m.normals.insert(m.normals.end(), {a, b, c});
        } else if (std::strncmp(line, "vt ", 3) == 0) {
            if (std::sscanf(line + 3, "%f %f", &a, &b) != 2) {
                fail(path, where + ": bad texture coordinate");
            }
            m.texCoords.insert(m.texCoords.end(), {a, b});
        } else if (std::strncmp(line, "f ", 2) == 0) {
            unsigned v[3], t[3], n[3];
            int read = wantTexCoords
                           ? std::sscanf(line + 2, "%u/%u/%u %u/%u/%u %u/%u/%u", &v[0], &t[0],
                                         &n[0], &v[1], &t[1], &n[1], &v[2], &t[2], &n[2])
                           : std::sscanf(line + 2, "%u//%u %u//%u %u//%u", &v[0], &n[0], &v[1],
                                         &n[1], &v[2], &n[2]);
            if (read != (wantTexCoords ? 9 : 6)) {
                fail(path, where + (wantTexCoords ? ": face is not a triangle of v/vt/vn"
                                                  : ": face is not a triangle of v//vn"));
            }
            for (int k = 0; k < 3; ++k) {
                if (v[k] != n[k] || (wantTexCoords && v[k] != t[k]) || v[k] == 0) {
                    fail(path, where + ": a face corner names different v, vt and vn indices");
                }
                m.indices.push_back(v[k] - 1);
            }
        }
    }
    std::fclose(f);
    if (m.normals.size() != m.vertices.size() ||
        (wantTexCoords && m.texCoords.size() / 2 != m.vertices.size() / 3) ||
        (!wantTexCoords && !m.texCoords.empty())) {
        fail(path, "counts: v, vn and vt lines do not match one for one");
    }
    return m;
}

meshcheck::MeshView view(const ObjMesh& m) {
    return {m.vertices.data(),
            m.normals.data(),
            m.texCoords.empty() ? nullptr : m.texCoords.data(),
            m.indices.data(),
            int(m.vertices.size() / 3),
            int(m.indices.size())};
}

void runChecks(const std::string& path, const ObjMesh& m,
               const std::vector<meshcheck::NamedCheck>& checks) {
    for (const auto& check : checks) {
        std::string problem = check.run(view(m));
        if (!problem.empty()) {
            fail(path, problem);
        }
    }
}

// Nine significant digits give back the very same float.
std::string floatLiteral(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", v);
    std::string text = buf;
    if (text.find_first_of(".e") == std::string::npos) {
        text += ".0";
    }
    return text + "f";
}

void writeFloats(FILE* out, const char* name, const std::vector<float>& values, int perLine) {
    std::fprintf(out, "const float %s[] = {\n", name);
    for (size_t i = 0; i < values.size(); ++i) {
        std::fprintf(out, "%s%s,%s", i % perLine == 0 ? "    " : " ",
                     floatLiteral(values[i]).c_str(),
                     (i + 1) % perLine == 0 || i + 1 == values.size() ? "\n" : "");
    }
    std::fprintf(out, "};\n\n");
}

void writeIndices(FILE* out, const char* name, const std::vector<unsigned int>& values) {
    std::fprintf(out, "const unsigned int %s[] = {\n", name);
    for (size_t i = 0; i < values.size(); ++i) {
        std::fprintf(out, "%s%uu,%s", i % 12 == 0 ? "    " : " ", values[i],
                     (i + 1) % 12 == 0 || i + 1 == values.size() ? "\n" : "");
    }
    std::fprintf(out, "};\n\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: obj2cpp LAND.obj DUCK.obj OUT.cpp\n");
        return 2;
    }
    ObjMesh land = readObj(argv[1], true);
    runChecks(argv[1], land, meshcheck::landChecks());
    ObjMesh duck = readObj(argv[2], false);
    runChecks(argv[2], duck, meshcheck::duckChecks());

    std::string tmp = std::string(argv[3]) + ".tmp";
    FILE* out = std::fopen(tmp.c_str(), "w");
    if (!out) {
        fail(argv[3], "cannot write");
    }
    std::fprintf(out,
                 "// Generated by tools/obj2cpp from land.obj and duck.obj; edit those, not this.\n"
                 "#include \"assets/meshes.h\"\n\n"
                 "namespace assets {\n\n");
    std::fprintf(out, "const int landVertexCount = %zu;\n", land.vertices.size() / 3);
    std::fprintf(out, "const int landIndexCount = %zu;\n", land.indices.size());
    std::fprintf(out, "const int duckVertexCount = %zu;\n", duck.vertices.size() / 3);
    std::fprintf(out, "const int duckIndexCount = %zu;\n\n", duck.indices.size());
    writeFloats(out, "landVertices", land.vertices, 6);
    writeFloats(out, "landNormals", land.normals, 6);
    writeFloats(out, "landTexCoords", land.texCoords, 6);
    writeIndices(out, "landIndices", land.indices);
    writeFloats(out, "duckVertices", duck.vertices, 6);
    writeFloats(out, "duckNormals", duck.normals, 6);
    writeIndices(out, "duckIndices", duck.indices);
    std::fprintf(out, "\n}  // namespace assets\n");
    if (std::fclose(out) != 0 || std::rename(tmp.c_str(), argv[3]) != 0) {
        fail(argv[3], "cannot write");
    }
    return 0;
}
