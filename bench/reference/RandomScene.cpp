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

std::unique_ptr<Bitmap> RandomBitmap(std::int32_t width, std::int32_t height, std::mt19937& random)
{
    auto bitmap = std::make_unique<Bitmap>();
    Fill(*bitmap, width, height, random);
    return bitmap;
}

} // namespace

RandomScene::RandomScene(std::uint32_t seed, MillisecondClock clock)
{
    std::mt19937 random(seed);
    demo.frame = RandomBitmap(240, 240, random);
    demo.normalMap = RandomBitmap(240, 240, random);
    demo.picture = RandomBitmap(240, 240, random);
    demo.alternatePicture = RandomBitmap(240, 240, random);
    demo.flare = RandomBitmap(64, 64, random);
    demo.particleSprite = RandomBitmap(32, 32, random);
    for (std::int32_t i = 0; i < 240 * 240; ++i) {
        if (random() % 8 == 0)
            demo.normalMap->pixels[i] &= 0xFF000000u;
        if (random() % 4 == 0)
            demo.alternatePicture->pixels[i] &= 0x00FFFFFFu;
    }
    demo.lighting = std::make_unique<LightingTables>(*demo.normalMap);
    demo.alternateCover = std::make_unique<AlternateCover>(*demo.alternatePicture);
    demo.spriteCoverage = std::make_unique<SpriteCoverage>(*demo.particleSprite);
    demo.keptPicture = std::make_unique<KeptPicture>();
    demo.clock.read = std::move(clock);
    demo.clock.startTime = demo.clock.read();
    demo.clock.elapsed = 0.0f;
}
