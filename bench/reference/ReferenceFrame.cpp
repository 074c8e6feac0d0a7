#include "ReferenceFrame.h"

#include "PixelArithmetic.h"
#include "ReferenceLitPixel.h"

void ReferenceDrawLitPicture(Bitmap& frame, const Bitmap& picture, const Bitmap& alternatePicture,
                             const Bitmap& normalMap, const FrameParameters& parameters)
{
    const std::uint32_t background = parameters.background;
    for (std::int32_t y = 0; y < frame.height; ++y) {
        for (std::int32_t x = 0; x < frame.width; ++x) {
            std::uint32_t colour = background;
            const std::int32_t px = x + parameters.pictureOffsetX;
            const std::int32_t py = y + parameters.pictureOffsetY;
            if (px >= 0 && px < picture.width && py >= 0 && py < picture.height) {
                const std::int32_t index = py * picture.width + px;
                std::uint32_t f = picture.pixels[index];
                if (parameters.blinkOn) {
                    const std::uint32_t g = alternatePicture.pixels[index];
                    if ((g >> 24) != 0)
                        f = BlendPixel(g, background, g >> 24);
                }
                colour = BlendPixel(f, background, (f >> 16) & 0xFF);
            }
            const std::int32_t index = y * frame.width + x;
            frame.pixels[index] = ReferenceLightPixel(colour, normalMap.pixels[index], parameters.lightX - x,
                                                      parameters.lightY - y);
        }
    }
}

void ReferenceAddFlare(Bitmap& frame, const Bitmap& flare, std::int32_t lightX, std::int32_t lightY)
{
    const std::int32_t left = lightX - 92;
    const std::int32_t top = lightY - 92;
    for (std::int32_t r = 0; r < flare.height; ++r) {
        for (std::int32_t j = 0; j < flare.width; ++j) {
            std::uint32_t& target = frame.pixels[(top + r) * frame.width + left + j];
            target = AddSaturated(target, flare.pixels[r * flare.width + j]);
        }
    }
}

void ReferenceDrawParticle(Bitmap& frame, const Bitmap& sprite, const Particle& particle)
{
    const std::int32_t tx = static_cast<std::int32_t>(particle.x);
    const std::int32_t ty = static_cast<std::int32_t>(particle.y);
    const double fade = 1.0 - particle.y * static_cast<double>(0.0041666f);
    for (std::int32_t r = 0; r < sprite.height; ++r) {
        for (std::int32_t j = 0; j < sprite.width; ++j) {
            const std::int32_t i = (ty + r) * frame.width + tx + j - (16 * frame.width + 16);
            const std::uint32_t m = sprite.pixels[r * sprite.width + j];
            const std::uint32_t w = static_cast<std::uint32_t>(fade * (m >> 24));
            frame.pixels[i] = BlendPixel(m, frame.pixels[i], w);
        }
    }
}

void ReferenceParticlePass(Bitmap& frame, const Bitmap& sprite)
{
    for (Particle& particle : fountain) {
        UpdateParticle(particle);
        ReferenceDrawParticle(frame, sprite, particle);
    }
}

void ReferenceDrawFrame(Demo& demo)
{
    const FrameParameters parameters = AdvanceFrameParameters(demo.clock);
    ReferenceDrawLitPicture(*demo.frame, *demo.picture, *demo.alternatePicture, *demo.normalMap, parameters);
    ReferenceAddFlare(*demo.frame, *demo.flare, parameters.lightX, parameters.lightY);
    ReferenceParticlePass(*demo.frame, *demo.particleSprite);
}
