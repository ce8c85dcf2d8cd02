// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The properties that the embedded land and duck must keep, each written once. obj2cpp runs them
// on the OBJ files at build time, and tests/mesh_data_test.cpp runs them again on the arrays the
// programs carry. Each check returns an empty string when the property holds, otherwise a message
// that names the property and the first offending vertex or triangle. Built once, as the library
// mesh_checks (tools/meshes/mesh_checks/).
#pragma once

#include <string>
#include <vector>

namespace meshcheck {

// A borrowed view of one mesh as flat arrays; texCoords is null for the duck.
struct MeshView {
    const float* vertices;
    const float* normals;
    const float* texCoords;
    const unsigned int* indices;
    int vertexCount;
    int indexCount;

    double x(int i) const { return vertices[3 * i]; }
    double y(int i) const { return vertices[3 * i + 1]; }
    double z(int i) const { return vertices[3 * i + 2]; }
    int triangleCount() const { return indexCount / 3; }
    unsigned int corner(int t, int k) const { return indices[3 * t + k]; }
};

// Both meshes.
std::string checkTriangleList(const MeshView& m);  // every index in range and used, none repeated
std::string checkFinite(const MeshView& m);
std::string checkUnitNormals(const MeshView& m);
std::string checkWinding(const MeshView& m);  // counter-clockwise seen from the normals' side

// The land.
std::string checkLandExtent(const MeshView& m);
std::string checkLandStart(const MeshView& m);  // the first two vertices and the first triangle
std::string checkLandLevelCount(const MeshView& m);
std::string checkLandRelief(const MeshView& m);  // hills and basin only in their regions
std::string checkLandTexCoords(const MeshView& m);
std::string checkLandTriangulation(const MeshView& m);  // one planar cover of the rectangle
std::string checkLandGround(const MeshView& m);  // level grove, ground under signposts and ducks
std::string checkLandWater(const MeshView& m);   // the water quad covers the pond
// Height of the land surface above (x, z), interpolated in the triangle under it; false if no
// triangle lies there.
bool groundHeight(const MeshView& m, double x, double z, double* height);
// The land's texture coordinates at x and z, by its planar projection from above.
double landS(double x);
double landT(double z);

// The duck.
std::string checkDuckExtent(const MeshView& m);
std::string checkDuckOrientation(const MeshView& m);
std::string checkDuckSymmetry(const MeshView& m);
std::string checkDuckClosed(const MeshView& m);
std::string checkDuckHardEdges(const MeshView& m);

// Every check for each mesh, in a fixed order; the first failure is reported.
struct NamedCheck {
    const char* name;
    std::string (*run)(const MeshView&);
};
const std::vector<NamedCheck>& landChecks();
const std::vector<NamedCheck>& duckChecks();

}  // namespace meshcheck
