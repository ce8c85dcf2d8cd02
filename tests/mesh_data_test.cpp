// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// The mesh checks that the build runs on the OBJ files (obj2cpp), shown to catch broken data:
// each case breaks one property of a copy of the embedded arrays and expects the check to name
// it. That the shipped data pass them is what the build itself enforces.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "assets/meshes.h"
#include "tools/meshes/mesh_checks.h"

using namespace assets;

namespace {

using meshcheck::MeshView;

MeshView land() {
    return {landVertices, landNormals, landTexCoords, landIndices, landVertexCount, landIndexCount};
}

MeshView duck() {
    return {duckVertices, duckNormals, nullptr, duckIndices, duckVertexCount, duckIndexCount};
}

// A writable copy of one mesh, to break on purpose.
struct MeshCopy {
    std::vector<float> vertices, normals, texCoords;
    std::vector<unsigned int> indices;
    explicit MeshCopy(const MeshView& m)
        : vertices(m.vertices, m.vertices + 3 * m.vertexCount),
          normals(m.normals, m.normals + 3 * m.vertexCount),
          texCoords(m.texCoords ? std::vector<float>(m.texCoords, m.texCoords + 2 * m.vertexCount)
                                : std::vector<float>()),
          indices(m.indices, m.indices + m.indexCount) {}
    MeshView view() const {
        return {vertices.data(),
                normals.data(),
                texCoords.empty() ? nullptr : texCoords.data(),
                indices.data(),
                int(vertices.size() / 3),
                int(indices.size())};
    }
    // Re-derives what follows from a moved position, so only the intended property breaks.
    void moveLandVertex(int i, float x, float y, float z) {
        vertices[3 * i] = x, vertices[3 * i + 1] = y, vertices[3 * i + 2] = z;
        texCoords[2 * i] = float(meshcheck::landS(x));
        texCoords[2 * i + 1] = float(meshcheck::landT(z));
    }
};

// The land vertex nearest to (x, z) that is not a corner.
int nearestLandVertex(const MeshView& m, double x, double z) {
    int best = 4;
    for (int i = 4; i < m.vertexCount; ++i) {
        if (std::hypot(m.x(i) - x, m.z(i) - z) < std::hypot(m.x(best) - x, m.z(best) - z)) {
            best = i;
        }
    }
    return best;
}

TEST(MeshChecks, CatchAReversedLandTriangle) {
    MeshCopy m(land());
    std::swap(m.indices[3 * 100 + 1], m.indices[3 * 100 + 2]);
    EXPECT_NE(meshcheck::checkWinding(m.view()).find("triangle 100"), std::string::npos);
    EXPECT_NE(meshcheck::checkLandTriangulation(m.view()), "");
}

TEST(MeshChecks, CatchAnUnusedVertexAndARepeatedIndex) {
    MeshCopy m(duck());
    unsigned dropped = m.indices[0];
    for (auto& i : m.indices) {
        if (i == dropped) {
            i = m.indices[1];
        }
    }
    EXPECT_NE(meshcheck::checkTriangleList(m.view()), "");
}

TEST(MeshChecks, CatchANormalThatIsNotUnitLength) {
    MeshCopy m(duck());
    m.normals[3 * 7] *= 1.00001f;
    EXPECT_NE(meshcheck::checkUnitNormals(m.view()).find("vertex 7"), std::string::npos);
}

TEST(MeshChecks, CatchANaNAnywhere) {
    MeshCopy m(land());
    m.texCoords[2 * 33 + 1] = std::nanf("");
    EXPECT_NE(meshcheck::checkFinite(m.view()).find("vertex 33"), std::string::npos);
}

TEST(MeshChecks, CatchAHillOutsideItsRegionAndAPitOutsideTheBasin) {
    MeshCopy hill(land());
    int i = nearestLandVertex(land(), 200, 0);
    hill.moveLandVertex(i, hill.vertices[3 * i], 1, hill.vertices[3 * i + 2]);
    EXPECT_NE(meshcheck::checkLandRelief(hill.view()).find("hill region"), std::string::npos);

    MeshCopy pit(land());
    i = nearestLandVertex(land(), 50, 50);
    pit.moveLandVertex(i, pit.vertices[3 * i], -0.5f, pit.vertices[3 * i + 2]);
    EXPECT_NE(meshcheck::checkLandRelief(pit.view()).find("basin region"), std::string::npos);
}

TEST(MeshChecks, CatchTextureCoordinatesOffTheProjection) {
    MeshCopy m(land());
    m.texCoords[2 * 50] += 2e-5f;
    EXPECT_NE(meshcheck::checkLandTexCoords(m.view()).find("vertex 50"), std::string::npos);
}

TEST(MeshChecks, CatchAMoundUnderTheGroveAndASignpostSunkTooDeep) {
    MeshCopy grove(land());
    int i = nearestLandVertex(land(), -1.5, 0);
    grove.moveLandVertex(i, -1.5f, 0.5f, 0);
    EXPECT_NE(meshcheck::checkLandGround(grove.view()).find("grove"), std::string::npos);

    MeshCopy sign(land());
    i = nearestLandVertex(land(), -20, 60);
    sign.moveLandVertex(i, -20, -0.8f, 60);
    EXPECT_NE(meshcheck::checkLandGround(sign.view()).find("second signpost"), std::string::npos);
}

TEST(MeshChecks, CatchWaterSpillingPastTheQuad) {
    MeshCopy m(land());
    // A hole dug just past the quad's western edge: the pond would show outside its water.
    int i = nearestLandVertex(land(), -122, 20);
    m.moveLandVertex(i, -122, -6, 20);
    EXPECT_NE(meshcheck::checkLandWater(m.view()).find("water quad"), std::string::npos);
}

TEST(MeshChecks, CatchALevelVertexTooManyAndAWrongFirstTriangle) {
    MeshCopy level(land());
    int i = nearestLandVertex(land(), 60, -90);
    level.moveLandVertex(i, level.vertices[3 * i], 0, level.vertices[3 * i + 2]);
    EXPECT_NE(meshcheck::checkLandLevelCount(level.view()), "");

    MeshCopy first(land());
    std::rotate(first.indices.begin(), first.indices.begin() + 1, first.indices.begin() + 3);
    EXPECT_NE(meshcheck::checkLandStart(first.view()).find("first triangle"), std::string::npos);
}

TEST(MeshChecks, CatchAnOpenOrLopsidedDuck) {
    MeshCopy open(duck());
    open.indices.resize(open.indices.size() - 3);
    EXPECT_NE(meshcheck::checkDuckClosed(open.view()), "");

    MeshCopy lopsided(duck());
    lopsided.vertices[3 * 10] += 0.002f;
    EXPECT_NE(meshcheck::checkDuckSymmetry(lopsided.view()), "");
}

TEST(MeshChecks, CatchSplitVerticesThatAreNoHardEdge) {
    MeshCopy m(duck());
    // Give every copy of a shared position the same normal: splits with nothing to split.
    std::map<std::array<float, 3>, int> first;
    for (int i = 0; i < duckVertexCount; ++i) {
        std::array<float, 3> key{m.vertices[3 * i], m.vertices[3 * i + 1], m.vertices[3 * i + 2]};
        auto [it, added] = first.emplace(key, i);
        for (int k = 0; k < 3; ++k) {
            m.normals[3 * i + k] = m.normals[3 * it->second + k];
        }
    }
    EXPECT_NE(meshcheck::checkDuckHardEdges(m.view()), "");
}

}  // namespace
