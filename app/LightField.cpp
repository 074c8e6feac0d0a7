#include "LightField.h"

#include "LightingTables.h"

LightField::LightField() : factors(RequireBlock<std::uint32_t>(LightingTables::kFramePixels, "the light field")) {}

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
