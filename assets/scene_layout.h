// SPDX-FileCopyrightText: 2026 The Quelmire developers
// SPDX-License-Identifier: MIT

// Where the scene's things lie, in scene units with y up. The land mesh is generated around these
// places (tools/meshes/meshgen), checked against them at build time (tools/meshes/mesh_checks),
// and the frame puts the water, the grove, the signposts and the ducks on them (render/): a change
// here moves all three together. Plain numbers, no GL.
#pragma once

namespace assets {

// A rectangle of the ground plane.
struct GroundBox {
    double minX, maxX, minZ, maxZ;
};

// A spot whose ground the land holds at a fixed height, for what stands or floats there.
struct LevelSpot {
    const char* what;
    double x, z;
    double groundY;
    double tolerance;  // how far the land's surface there may be from groundY
};

// The land: a rectangle, level at y = 0 but for the hills and the pond basin.
inline constexpr GroundBox kLandExtent{-701.368, 692.102, -500.587, 493.495};
inline constexpr GroundBox kHillRegion{-166.4, 121.7, -144.3, 138.3};
inline constexpr GroundBox kBasinRegion{-104.8, -9.0, -31.5, 67.9};
inline constexpr double kLandHighestY = 16.8511;  // the top of the highest hill
inline constexpr double kLandLowestY = -14.4643;  // the floor of the basin
inline constexpr int kLandVertexCount = 682;
inline constexpr int kLandLevelVertexCount = 98;  // vertices at y = 0

// The land's texture: a planar projection from above, one repeat per 807.1 units, centred on
// the middle of the land.
inline constexpr double kLandTextureCentreX = -4.633;
inline constexpr double kLandTextureCentreZ = -3.546;
inline constexpr double kLandTextureRepeat = 807.1;
constexpr double landTextureS(double x) {
    return 0.5 + (x - kLandTextureCentreX) / kLandTextureRepeat;
}
constexpr double landTextureT(double z) {
    return 0.5 - (z - kLandTextureCentreZ) / kLandTextureRepeat;
}

// The pond's water: one quad whose corners lie alternately at its high and its low y.
inline constexpr GroundBox kWaterQuad{-120.0, 0.0, -40.0, 80.0};
inline constexpr double kWaterHighY = -1.0;
inline constexpr double kWaterLowY = -2.0;

// The grove stands on nearly level ground.
inline constexpr GroundBox kGroveArea{-5.0, 1.9, -7.9, 7.9};
inline constexpr double kGroveLowestY = -0.24;
inline constexpr double kGroveHighestY = 0.02;

// The signposts stand on the shore; the duck group floats over the deep hollow, its origin at
// kDuckGroupY.
inline constexpr LevelSpot kFirstSignpostSpot{"first signpost", -25.0, 25.0, -0.19, 0.01};
inline constexpr LevelSpot kSecondSignpostSpot{"second signpost", -20.0, 60.0, -0.68, 0.01};
inline constexpr LevelSpot kDuckSpot{"ducks", -22.5, 12.5, -5.3, 0.05};
inline constexpr LevelSpot kLevelSpots[] = {kFirstSignpostSpot, kSecondSignpostSpot, kDuckSpot};
inline constexpr double kDuckGroupY = -1.0;

// The duck in its model frame faces +y with its top toward -z, and fills this box.
inline constexpr double kDuckModelMin[3] = {-0.0298, -0.0659, -0.0350};
inline constexpr double kDuckModelMax[3] = {0.0300, 0.0370, 0.0661};

}  // namespace assets
