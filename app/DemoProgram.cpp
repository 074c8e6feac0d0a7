#include "DemoProgram.h"

#include "Flare.h"
#include "ImageFolder.h"
#include "ImageLoadReport.h"
#include "LitPicture.h"
#include "OutOfMemory.h"
#include "Particle.h"
#include "RawImage.h"

namespace {

const char* const kBanner[] = {
    "Fast code compo a l'arrache...\n",
    "  Credits :\n",
    "             Code - Orvane ^ Zarn\n",
    "              Gfx - Orvane ^ Zarn\n",
    "   Additional Gfx - Google image ;o)\n",
    "              Zik - ?!\n",
    "Realise pour l'Vorlanse party (2003 03 22, Paris, FRANCE)\n",
    "a \"La cite des sciences et de l'industrie\"...\n",
    "\n",
    "Note tres subtile : ce n'est pas un bump, c'est une normal map...\n",
    "Non mais... Mauvaise langue ;o)))))))\n",
    "\n",
    "We'll be back ;o)\n",
    "\n",
    "Chargement.............. |/-\\|\n",
};

const char kStartLine[] = "Et ouala, c'est partis !\n";

void PrintLine(std::FILE* console, const char* text)
{
    std::fputs(text, console);
    std::fflush(console);
}

std::unique_ptr<Bitmap> NewBitmap()
{
    return std::unique_ptr<Bitmap>(RequireNew<Bitmap>("a bitmap"));
}

void Size(Bitmap& bitmap, std::int32_t width, std::int32_t height)
{
    RequireAllocation(bitmap.Resize(width, height), "a pixel block");
}

// The five images, each through the one stream, in the flow's order, from
// the folder ImageFolder chooses.
void LoadImages(Demo& demo, const DemoConsole& console)
{
    const struct {
        const char* file;
        Bitmap* bitmap;
        RawVariant variant;
    } images[] = {
        {"cite_des_sciences.raw", demo.picture.get(), RawVariant::Plain},
        {"cite_des_sciences_smile.raw", demo.alternatePicture.get(), RawVariant::Alpha},
        {"normal_map.raw", demo.normalMap.get(), RawVariant::Plain},
        {"flare.raw", demo.flare.get(), RawVariant::Plain},
        {"particule.raw", demo.particleSprite.get(), RawVariant::Alpha},
    };
    const std::string folder = ImageFolder();
    ImageLoadReport report(folder.c_str());
    for (const auto& image : images) {
        const std::string name = folder + "/" + image.file;
        const std::uint32_t size = static_cast<std::uint32_t>(image.bitmap->width * image.bitmap->height * 3);
        report.Note(name.c_str(), size, LoadRawImage(*demo.stream, name.c_str(), *image.bitmap, image.variant));
    }
    report.Print(console.errors, console.program);
}

} // namespace

void PrintBanner(std::FILE* console)
{
    for (const char* line : kBanner)
        PrintLine(console, line);
}

std::int32_t StartDemo(Demo& demo, Display& display, MillisecondClock clock, const DemoConsole& console)
{
    demo.display = &display;
    demo.frame = NewBitmap();
    demo.normalMap = NewBitmap();
    demo.picture = NewBitmap();
    demo.alternatePicture = NewBitmap();
    demo.flare = NewBitmap();
    demo.particleSprite = NewBitmap();

    const std::int32_t opened = display.Open(kFrameWidth, kFrameHeight);
    if (opened != 0)
        return opened;

    Size(*demo.frame, kFrameWidth, kFrameHeight);
    Size(*demo.normalMap, 240, 240);
    Size(*demo.picture, 240, 240);
    Size(*demo.alternatePicture, 240, 240);
    Size(*demo.flare, 64, 64);
    Size(*demo.particleSprite, 32, 32);

    demo.stream.reset(RequireNew<FileInputStream>("a file stream"));
    LoadImages(demo, console);
    demo.lighting.reset(RequireNew<LightingTables>("the lighting tables", *demo.normalMap));
    demo.alternateCover.reset(RequireNew<AlternateCover>("the alternate picture's cover", *demo.alternatePicture));
    demo.spriteCoverage.reset(RequireNew<SpriteCoverage>("the sprite's coverages", *demo.particleSprite));
    demo.keptPicture.reset(RequireNew<KeptPicture>("the kept picture"));

    if (console.out)
        PrintLine(console.out, kStartLine);

    demo.clock.read = std::move(clock);
    demo.clock.startTime = demo.clock.read();
    demo.clock.elapsed = 0.0f;
    return 0;
}

void DrawFrame(Demo& demo)
{
    const FrameParameters parameters = AdvanceFrameParameters(demo.clock);
    KeptPicture& kept = *demo.keptPicture;
    if (!kept.Restore(parameters, *demo.frame)) {
        DrawLitPicture(*demo.frame, *demo.picture, *demo.alternatePicture, *demo.alternateCover, *demo.lighting,
                       parameters);
        AddFlare(*demo.frame, *demo.flare, parameters.lightX, parameters.lightY);
        kept.Drawn(parameters, *demo.frame);
    }
    for (Particle& particle : fountain) {
        UpdateParticle(particle);
        kept.Cover(DrawParticle(*demo.frame, *demo.particleSprite, *demo.spriteCoverage, particle));
    }
}

std::int32_t RunFrame(Demo& demo)
{
    DrawFrame(demo);
    return demo.display->Present(demo.frame.get());
}
