#include "LightField.h"

#include <cstdlib>

#include "LightingTables.h"
#include "OutOfMemory.h"

namespace {
constexpr std::size_t kPixels = LightingTables::kFrameSize * LightingTables::kFrameSize;
}

LightField::LightField()
    : factors(static_cast<std::uint32_t*>(
          RequireAllocation(std::malloc(kPixels * sizeof(std::uint32_t)), "the light field")))
{
}

LightField::~LightField()
{
    std::free(factors);
}

LightFieldUse LightField::UseFor(std::int32_t lightX, std::int32_t lightY)
{
    LightFieldUse use = LightFieldUse::None;
    if (lightX == keptX && lightY == keptY) {
        use = LightFieldUse::Use;
    } else if (lightX == previousX && lightY == previousY) {
        use = LightFieldUse::Keep;
        keptX = lightX;
        keptY = lightY;
    }
    previousX = lightX;
    previousY = lightY;
    return use;
}
