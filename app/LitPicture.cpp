#include "LitPicture.h"

#include <cmath>
#include <cstring>

#include "FrameKernels.h"
#include "PixelArithmetic.h"

namespace {

// The horizontal offset factor is one unit in the last place above the float
// nearest to 0.9; the animation's path depends on that exact value.
float HorizontalOffsetFactor()
{
    const std::uint32_t bits = 0x3F666667u;
    float factor;
    std::memcpy(&factor, &bits, sizeof factor);
    return factor;
}

const float kHorizontalOffsetFactor = HorizontalOffsetFactor();
constexpr float kVerticalOffsetFactor = 1.2f;
constexpr float kSecondsPerMillisecond = 0.001f;
constexpr std::uint32_t kOliveTint = 0x007F7F3F;
constexpr std::uint32_t kBlueTint = 0x003F3F7F;

std::int32_t Wave(double phase)
{
    return static_cast<std::int32_t>(60.0 * std::sin(phase));
}

} // namespace

FrameParameters AdvanceFrameParameters(AnimationClock& clock)
{
    FrameParameters parameters;
    const double t = clock.elapsed;
    parameters.pictureOffsetX = Wave(t * static_cast<double>(kHorizontalOffsetFactor));
    parameters.pictureOffsetY = Wave(t * static_cast<double>(kVerticalOffsetFactor));
    parameters.lightX = 180 + Wave(t * 3.0 + 0.5);
    parameters.lightY = 180 + Wave(t * 4.0 + 0.5);

    // The difference is a signed count, so the clock may wrap at 2^32.
    const std::int32_t milliseconds = static_cast<std::int32_t>(clock.read() - clock.startTime);
    const double seconds = milliseconds * static_cast<double>(kSecondsPerMillisecond);
    clock.elapsed = static_cast<float>(seconds);

    parameters.blinkOn = ((static_cast<std::int32_t>(seconds * 20.0) >> 4) & 1) != 0;
    std::uint32_t phase = static_cast<std::uint32_t>(static_cast<std::int32_t>(clock.elapsed * 256.0)) & 511;
    if (phase >= 256)
        phase = 511 - phase;
    parameters.tintPhase = phase;
    parameters.background = BlendPixel(kOliveTint, kBlueTint, phase);
    return parameters;
}

bool operator==(const FrameParameters& a, const FrameParameters& b)
{
    return a.pictureOffsetX == b.pictureOffsetX && a.pictureOffsetY == b.pictureOffsetY && a.lightX == b.lightX &&
           a.lightY == b.lightY && a.blinkOn == b.blinkOn && a.tintPhase == b.tintPhase &&
           a.background == b.background;
}

void DrawLitPicture(Bitmap& frame, const Bitmap& picture, const Bitmap& alternatePicture,
                    const AlternateCover& cover, const LightingTables& lighting, const FrameParameters& parameters)
{
    const LightFieldUse use = lighting.lightField.UseFor(parameters.lightX, parameters.lightY);
    const std::int32_t direction = LightingTables::DirectionIndex(0, parameters.lightX, parameters.lightY);
    const LitPictureJob job{frame.pixels,
                            picture.pixels,
                            alternatePicture.pixels,
                            cover.rows,
                            lighting.normalX,
                            lighting.normalY,
                            lighting.normalZ,
                            lighting.raisedNormalZ,
                            lighting.diffuseScale + direction,
                            parameters.lightX,
                            parameters.lightY,
                            parameters.pictureOffsetX,
                            parameters.pictureOffsetY,
                            parameters.blinkOn,
                            parameters.background,
                            lighting.lightField.factors.get(),
                            use};
    ActiveFrameKernels().drawLitPicture(job);
}
