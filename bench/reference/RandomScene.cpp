#include "RandomScene.h"

#include <random>
#include <utility>

namespace {

void Fill(Bitmap& bitmap, std::int32_t width, std::int32_t height, std::mt19937& random)
{
    bitmap.Resize(width, height);
    for (std::int32_t i = 0; i < width * height; ++i)
        bitmap.pixels[i] = random();
}

} // namespace

RandomScene::RandomScene(std::uint32_t seed, MillisecondClock clock)
{
    std::mt19937 random(seed);
    Fill(frame, 240, 240, random);
    Fill(normalMap, 240, 240, random);
    Fill(picture, 240, 240, random);
    Fill(alternatePicture, 240, 240, random);
    Fill(flare, 64, 64, random);
    Fill(particleSprite, 32, 32, random);
    for (std::int32_t i = 0; i < 240 * 240; ++i) {
        if (random() % 8 == 0)
            normalMap.pixels[i] &= 0xFF000000u;
        if (random() % 4 == 0)
            alternatePicture.pixels[i] &= 0x00FFFFFFu;
    }
    lighting = std::make_unique<LightingTables>(normalMap);

    demo.frame = &frame;
    demo.normalMap = &normalMap;
    demo.picture = &picture;
    demo.alternatePicture = &alternatePicture;
    demo.flare = &flare;
    demo.particleSprite = &particleSprite;
    demo.lighting = lighting.get();
    demo.clock.read = std::move(clock);
    demo.clock.startTime = demo.clock.read();
    demo.clock.elapsed = 0.0f;
}
