#pragma once

#include <cstddef>
#include <cstdint>

#include "Bitmap.h"
#include "LightField.h"
#include "OutOfMemory.h"

// Everything the per-pixel lighting needs besides the frame parameters,
// prepared once so that a settled pixel needs no square root or division
// (the rare doubtful steps work out their light direction themselves).
// Each normal is exactly what Vector3::Normalize gives for its vector.
class LightingTables {
public:
    // The frame is 240 x 240 and the light lies 120 to 240 pixels from its
    // left and top edges, so the light is -119 to 240 pixels right of and
    // below any frame pixel.
    static constexpr std::int32_t kFrameSize = 240;
    static constexpr std::size_t kFramePixels = static_cast<std::size_t>(kFrameSize) * kFrameSize;
    static constexpr std::int32_t kDirectionSpan = 360;
    static constexpr std::int32_t kLightHeight = 40;
    static constexpr std::int32_t kFullDiffuse = 220;

    // Normalises every normal of the 240 x 240 normal map and works out the
    // diffuse scale of every light direction. Ends the process with a
    // message when memory runs out.
    explicit LightingTables(const Bitmap& normalMap);

    // The planes point into the tables' own block.
    LightingTables(const LightingTables&) = delete;
    LightingTables& operator=(const LightingTables&) = delete;

    // The first entry of the diffuse-scale row for frame row y under a light
    // at (lightX, lightY); entry x of that row belongs to frame pixel (x, y).
    static std::int32_t DirectionIndex(std::int32_t y, std::int32_t lightX, std::int32_t lightY)
    {
        return (y - lightY + kFrameSize) * kDirectionSpan + kFrameSize - lightX;
    }

    // The unit normal at frame pixel (x, y), index y * 240 + x, one plane per
    // component; not-a-number where the normal map is black.
    float* normalX;
    float* normalY;
    float* normalZ;
    // normalZ x 40 (the light's height) rounded to single precision, as the
    // estimate of the light takes it.
    float* raisedNormalZ;
    // 220 (the diffuse factor facing the light) / the length of the vector
    // from a frame pixel towards the light, rounded to single precision,
    // 360 x 360 entries: entry (row, column) is that of the vector (240 -
    // column, 240 - row, 40). The vector times it is 220 times the unit
    // direction to within the rounding of its components, in one plane
    // instead of three, for the estimate of the light.
    float* diffuseScale;

    // The light worked out from these tables in a recent frame, kept for
    // the frames after it while the light stays put: a cache that frames
    // fill and use, so it changes even where the tables are constant.
    mutable LightField lightField;

private:
    OwnedBlock<float> block;
};
