#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "DemoProgram.h"
#include "OutOfMemory.h"
#include "Particle.h"
#include "TempFiles.h"

namespace {

// A display that keeps copies of the frames it is shown.
class RecordingDisplay : public Display {
public:
    explicit RecordingDisplay(std::int32_t openResult = 0) : openResult(openResult) {}
    std::int32_t Open(std::int32_t w, std::int32_t h) override
    {
        ++opens;
        width = openResult == 0 ? w : 0;
        height = openResult == 0 ? h : 0;
        return openResult;
    }
    std::int32_t Close() override { return 0; }
    std::int32_t Present(const Bitmap* bitmap) override
    {
        frames.emplace_back(bitmap->pixels, bitmap->pixels + bitmap->width * bitmap->height);
        return 0;
    }
    std::int32_t openResult;
    int opens = 0;
    std::vector<std::vector<std::uint32_t>> frames;
};

std::string ReadAll(std::FILE* file)
{
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file))
        text += static_cast<char>(c);
    return text;
}

// Runs a test body with the current directory set to a fresh folder.
class InDirectory {
public:
    explicit InDirectory(const std::filesystem::path& path) : previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~InDirectory() { std::filesystem::current_path(previous); }

private:
    std::filesystem::path previous;
};

const char kBanner[] = "Fast code compo a l'arrache...\n"
                       "  Credits :\n"
                       "             Code - Orvane ^ Zarn\n"
                       "              Gfx - Orvane ^ Zarn\n"
                       "   Additional Gfx - Google image ;o)\n"
                       "              Zik - ?!\n"
                       "Realise pour l'Vorlanse party (2003 03 22, Paris, FRANCE)\n"
                       "a \"La cite des sciences et de l'industrie\"...\n"
                       "\n"
                       "Note tres subtile : ce n'est pas un bump, c'est une normal map...\n"
                       "Non mais... Mauvaise langue ;o)))))))\n"
                       "\n"
                       "We'll be back ;o)\n"
                       "\n"
                       "Chargement.............. |/-\\|\n";

} // namespace

TEST(DemoProgram, PrintsTheBannerThenTheStartLineAfterLoading)
{
    TempDirectory dir;
    InDirectory inside(dir.path);
    std::FILE* console = std::tmpfile();
    ASSERT_NE(console, nullptr);

    PrintBanner(console);
    EXPECT_EQ(ReadAll(console), kBanner);
    std::fseek(console, 0, SEEK_END);

    std::FILE* errors = std::tmpfile();
    ASSERT_NE(errors, nullptr);
    RecordingDisplay display;
    Demo demo;
    EXPECT_EQ(StartDemo(demo, display, [] { return 7u; }, {console, errors, "demo"}), 0);
    EXPECT_EQ(ReadAll(console), std::string(kBanner) + "Et ouala, c'est partis !\n");
    std::fclose(console);
    // One line for the missing folder, none for each of its files.
    EXPECT_EQ(ReadAll(errors), "demo: no datas/ folder in " + std::filesystem::current_path().string() +
                                   ": the images are read from datas/ under the current directory; all are drawn black\n");
    std::fclose(errors);

    EXPECT_EQ(display.opens, 1);
    EXPECT_EQ(demo.clock.startTime, 7u);
    EXPECT_EQ(demo.clock.elapsed, 0.0f);
    EXPECT_EQ(demo.stream->IsOpen(), 0);
    // Every file is missing here: black, fully transparent images of their sizes.
    const Bitmap* images[] = {demo.normalMap.get(), demo.picture.get(), demo.alternatePicture.get(), demo.flare.get(),
                             demo.particleSprite.get()};
    const int sizes[] = {240, 240, 240, 64, 32};
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(images[i]->width, sizes[i]);
        ASSERT_EQ(images[i]->height, sizes[i]);
        for (int p = 0; p < sizes[i] * sizes[i]; ++p)
            ASSERT_EQ(images[i]->pixels[p], 0u);
    }
    EXPECT_EQ(demo.frame->width, 240);

    // Frames still draw and reach the display.
    EXPECT_EQ(RunFrame(demo), 0);
    ASSERT_EQ(display.frames.size(), 1u);
}

TEST(DemoProgram, LoadsTheFiveImagesFromDatas)
{
    TempDirectory dir;
    dir.Write("datas/cite_des_sciences.raw", std::vector<std::uint8_t>(240 * 240 * 3, 0x11));
    dir.Write("datas/cite_des_sciences_smile.raw", std::vector<std::uint8_t>(240 * 240 * 3, 0x33));
    dir.Write("datas/normal_map.raw", std::vector<std::uint8_t>(240 * 240 * 3, 0x22));
    dir.Write("datas/flare.raw", std::vector<std::uint8_t>(64 * 64 * 3, 0x44));
    dir.Write("datas/particule.raw", std::vector<std::uint8_t>(10, 0x55)); // short: the rest reads 0xFF
    InDirectory inside(dir.path);

    RecordingDisplay display;
    Demo demo;
    std::FILE* errors = std::tmpfile();
    ASSERT_NE(errors, nullptr);
    ASSERT_EQ(StartDemo(demo, display, [] { return 0u; }, {nullptr, errors, "demo-capture"}), 0);
    EXPECT_EQ(ReadAll(errors), "demo-capture: datas/particule.raw is short by 3062 of its 3072 bytes; they read as 0xFF\n");
    std::fclose(errors);
    EXPECT_EQ(demo.picture->pixels[240 * 240 - 1], 0x00111111u);
    EXPECT_EQ(demo.alternatePicture->pixels[0], 0x33333333u);
    EXPECT_EQ(demo.normalMap->pixels[123], 0x00222222u);
    EXPECT_EQ(demo.flare->pixels[64 * 64 - 1], 0x00444444u);
    EXPECT_EQ(demo.particleSprite->pixels[0], 0x55555555u);
    EXPECT_EQ(demo.particleSprite->pixels[3], 0xC655FFFFu); // the file's last byte, then 0xFF: (0x55 + 0xFF + 0xFF) / 3 = 0xC6
    EXPECT_EQ(demo.particleSprite->pixels[4], 0xFFFFFFFFu);
    // The particle pass's coverages come from the sprite as loaded.
    EXPECT_EQ(demo.spriteCoverage->values[3], 198.0);
    EXPECT_EQ(demo.spriteCoverage->values[32 * 32 - 1], 255.0);
}

TEST(DemoProgram, SaysWhichFilesCannotBeReadAndDrawsThemBlack)
{
    TempDirectory dir;
    dir.Write("datas/cite_des_sciences.raw", std::vector<std::uint8_t>(240 * 240 * 3, 0x11));
    dir.Write("datas/cite_des_sciences_smile.raw", std::vector<std::uint8_t>(240 * 240 * 3, 0x33));
    std::filesystem::create_directories(dir.path / "datas" / "normal_map.raw");
    dir.Write("datas/particule.raw", std::vector<std::uint8_t>(32 * 32 * 3, 0x55));
    InDirectory inside(dir.path);

    std::FILE* console = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    ASSERT_NE(console, nullptr);
    ASSERT_NE(errors, nullptr);
    RecordingDisplay display;
    Demo demo;
    ASSERT_EQ(StartDemo(demo, display, [] { return 0u; }, {console, errors, "demo"}), 0);
    EXPECT_EQ(ReadAll(console), "Et ouala, c'est partis !\n");
    EXPECT_EQ(ReadAll(errors), "demo: cannot read datas/normal_map.raw: not a regular file; it is drawn black\n"
                               "demo: cannot read datas/flare.raw: missing; it is drawn black\n");
    std::fclose(console);
    std::fclose(errors);
    EXPECT_EQ(demo.normalMap->pixels[0], 0u);
    EXPECT_EQ(demo.flare->pixels[64 * 64 - 1], 0u);
    EXPECT_EQ(demo.particleSprite->pixels[0], 0x55555555u);
}

TEST(DemoProgram, StopsSetUpWhenTheDisplayFailsToOpen)
{
    std::FILE* console = std::tmpfile();
    ASSERT_NE(console, nullptr);
    RecordingDisplay display(-1);
    Demo demo;
    EXPECT_EQ(StartDemo(demo, display, [] { return 0u; }, {console, console, "demo"}), -1);
    EXPECT_EQ(ReadAll(console), "");
    EXPECT_EQ(demo.stream, nullptr);
    std::fclose(console);
}

TEST(DemoProgram, FirstFrameDrawsParticleZeroAtItsFirstStep)
{
    // The frame drawn by DrawFrame is the lit picture, then the flare, then
    // the sixteen particles each moved and drawn in index order.
    const Particle first = fountain[0];
    Particle expected = first;
    UpdateParticle(expected);

    RecordingDisplay display;
    Demo demo;
    ASSERT_EQ(StartDemo(demo, display, [] { return 0u; }, {nullptr, stderr, "demo"}), 0);
    DrawFrame(demo);
    EXPECT_EQ(fountain[0].x, expected.x);
    EXPECT_EQ(fountain[0].y, expected.y);
    EXPECT_EQ(fountain[0].vy, expected.vy);
}

TEST(RequireAllocationDeathTest, ReportsAndExitsInsteadOfWritingThroughNull)
{
    int block = 0;
    EXPECT_EQ(RequireAllocation(&block, "x"), &block);
    EXPECT_EXIT(RequireAllocation(nullptr, "a pixel block"), testing::ExitedWithCode(1),
                "out of memory allocating a pixel block");
}
