#include "LightingTables.h"

#include "Vector3.h"

namespace {
constexpr std::size_t kDirectionCount = LightingTables::kDirectionSpan * LightingTables::kDirectionSpan;
} // namespace

LightingTables::LightingTables(const Bitmap& normalMap)
    : block(RequireBlock<float>(4 * kFramePixels + kDirectionCount, "the lighting tables"))
{
    normalX = block.get();
    normalY = normalX + kFramePixels;
    normalZ = normalY + kFramePixels;
    raisedNormalZ = normalZ + kFramePixels;
    diffuseScale = raisedNormalZ + kFramePixels;

    for (std::size_t i = 0; i < kFramePixels; ++i) {
        const std::uint32_t word = normalMap.pixels[i];
        Vector3 normal{static_cast<float>((word >> 16) & 0xFF), static_cast<float>((word >> 8) & 0xFF),
                       static_cast<float>(word & 0xFF)};
        normal.Normalize();
        normalX[i] = normal.x;
        normalY[i] = normal.y;
        normalZ[i] = normal.z;
        raisedNormalZ[i] = normal.z * static_cast<float>(kLightHeight);
    }

    for (std::int32_t row = 0; row < kDirectionSpan; ++row) {
        for (std::int32_t column = 0; column < kDirectionSpan; ++column) {
            Vector3 direction{static_cast<float>(kFrameSize - column), static_cast<float>(kFrameSize - row),
                              static_cast<float>(kLightHeight)};
            const double length = direction.Normalize();
            diffuseScale[static_cast<std::size_t>(row) * kDirectionSpan + column] =
                static_cast<float>(kFullDiffuse / length);
        }
    }
}
