#include "Particle.h"

#include "FrameKernels.h"
#include "Random15.h"

namespace {

constexpr float kSpawnX = 120.0f;
constexpr float kSpawnY = 120.0f;
constexpr float kRespawnBelowY = 208.0f;
// Single-precision constants, widened to double where they enter a product.
constexpr float kVerticalSpeedStep = 0.025f;
constexpr float kFadePerRow = 0.0041666f;
constexpr std::int32_t kSpriteCentre = 16;

void Spawn(Particle& particle)
{
    particle.x = kSpawnX;
    particle.y = kSpawnY;
    const std::int32_t horizontal = static_cast<std::int32_t>(Random15() & 511) - 256;
    particle.vx = static_cast<float>(horizontal * 0.015625);
    const std::int32_t vertical = static_cast<std::int32_t>(Random15() & 511);
    particle.vy = static_cast<float>(-vertical * static_cast<double>(kVerticalSpeedStep));
    particle.ax = 0.0f;
    particle.ay = 1.0f;
}

} // namespace

Particle fountain[kFountainSize];

Particle::Particle()
{
    Spawn(*this);
}

void UpdateParticle(Particle& particle)
{
    particle.x = particle.x + particle.vx;
    particle.y = particle.y + particle.vy;
    if (particle.y > kRespawnBelowY) {
        Spawn(particle);
        return;
    }
    particle.vx = particle.vx + particle.ax;
    particle.vy = particle.vy + particle.ay;
}

DrawnBlock DrawParticle(Bitmap& frame, const Bitmap& sprite, const SpriteCoverage& coverage, const Particle& particle)
{
    const std::int32_t tx = static_cast<std::int32_t>(particle.x);
    const std::int32_t ty = static_cast<std::int32_t>(particle.y);
    const double fade = 1.0 - particle.y * static_cast<double>(kFadePerRow);
    const std::int32_t first = (ty - kSpriteCentre) * frame.width + tx - kSpriteCentre;
    const BlockJob job{frame.pixels + first, frame.width, sprite.pixels, sprite.width, sprite.height};
    ActiveFrameKernels().blendFadedBlock(job, coverage.values.get(), fade);
    return {first, sprite.width, sprite.height};
}
