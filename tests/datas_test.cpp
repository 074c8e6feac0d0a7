#include "DataImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Pixel {
    int r, g, b;
};

const std::vector<DataImage>& Images()
{
    static const std::vector<DataImage> images = GenerateDataImages();
    return images;
}

const DataImage& Image(const std::string& fileName)
{
    for (const DataImage& image : Images()) {
        if (fileName == image.fileName) {
            return image;
        }
    }
    ADD_FAILURE() << "no image " << fileName;
    return Images().front();
}

Pixel At(const DataImage& image, int x, int y)
{
    const std::size_t at = (static_cast<std::size_t>(y) * image.width + x) * 3;
    return {image.rgb[at], image.rgb[at + 1], image.rgb[at + 2]};
}

// Whether pixel (x, y)'s centre lies farther than `radius` from (cx, cy).
bool Outside(int x, int y, double cx, double cy, double radius)
{
    const double dx = x + 0.5 - cx;
    const double dy = y + 0.5 - cy;
    return dx * dx + dy * dy > radius * radius;
}

// The sphere's disc in the museum picture, where the face appears.
constexpr double kSphereX = 120.0;
constexpr double kSphereY = 104.0;
constexpr double kSphereRadius = 72.0;

TEST(DataFiles, CommittedFilesAreWhatTheGeneratorMakes)
{
    for (const DataImage& image : Images()) {
        SCOPED_TRACE(image.fileName);
        std::ifstream in(std::string(DATAS_DIR) + "/" + image.fileName, std::ios::binary);
        ASSERT_TRUE(in) << "cannot open the committed file";
        const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_EQ(bytes.size(), image.rgb.size());
        std::size_t firstDifference = 0;
        while (firstDifference < bytes.size() && bytes[firstDifference] == image.rgb[firstDifference]) {
            ++firstDifference;
        }
        EXPECT_EQ(firstDifference, bytes.size()) << "first differing byte";
    }
}

TEST(DataImages, AreTheFiveFilesInOrderWithTheirSizes)
{
    const struct {
        const char* fileName;
        int width, height;
    } expected[] = {{"cite_des_sciences.raw", 240, 240},
                    {"cite_des_sciences_smile.raw", 240, 240},
                    {"normal_map.raw", 240, 240},
                    {"flare.raw", 64, 64},
                    {"particule.raw", 32, 32}};
    ASSERT_EQ(Images().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const DataImage& image = Images()[i];
        EXPECT_STREQ(image.fileName, expected[i].fileName);
        EXPECT_EQ(image.width, expected[i].width);
        EXPECT_EQ(image.height, expected[i].height);
        EXPECT_EQ(image.rgb.size(), static_cast<std::size_t>(image.width) * image.height * 3);
    }
}

TEST(DataImages, ASecondGenerationGivesTheSameBytes)
{
    const std::vector<DataImage> again = GenerateDataImages();
    ASSERT_EQ(again.size(), Images().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_TRUE(again[i].rgb == Images()[i].rgb) << again[i].fileName;
    }
}

// The flare and the particle are stamped whole: any light on their outer
// ring would show as a square edge, and an off-centre glow as a lopsided one.
TEST(DataImages, GlowsAreCentredSymmetricAndBlackAtTheBorder)
{
    for (const char* name : {"flare.raw", "particule.raw"}) {
        SCOPED_TRACE(name);
        const DataImage& image = Image(name);
        const int w = image.width;
        const int h = image.height;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const Pixel p = At(image, x, y);
                if (x == 0 || y == 0 || x == w - 1 || y == h - 1) {
                    ASSERT_EQ(p.r + p.g + p.b, 0) << "border pixel " << x << "," << y;
                }
                const Pixel mirrored = At(image, w - 1 - x, h - 1 - y);
                const Pixel flipped = At(image, w - 1 - x, y);
                ASSERT_EQ(p.r, mirrored.r) << x << "," << y;
                ASSERT_EQ(p.r, flipped.r) << x << "," << y;
            }
        }
        // Brightest in the middle, fading without bumps towards the edge.
        const int cy = h / 2;
        EXPECT_GE(At(image, w / 2, cy).r, 200);
        for (int x = w / 2; x < w - 1; ++x) {
            EXPECT_LE(At(image, x + 1, cy).r, At(image, x, cy).r) << "at x = " << x;
        }
    }
}

TEST(DataImages, SmileIsBlackOutsideTheSphereAndBrightOnIt)
{
    const DataImage& smile = Image("cite_des_sciences_smile.raw");
    long faceCoverage = 0;
    int facePixels = 0;
    for (int y = 0; y < smile.height; ++y) {
        for (int x = 0; x < smile.width; ++x) {
            const Pixel p = At(smile, x, y);
            if (Outside(x, y, kSphereX, kSphereY, kSphereRadius)) {
                ASSERT_EQ(p.r + p.g + p.b, 0) << x << "," << y;
            } else if (!Outside(x, y, kSphereX, kSphereY, kSphereRadius - 10.0)) {
                faceCoverage += (p.r + p.g + p.b) / 3;
                ++facePixels;
            }
        }
    }
    EXPECT_GT(faceCoverage / facePixels, 150);
    const Pixel forehead = At(smile, 120, 60);
    EXPECT_GT((forehead.r + forehead.g + forehead.b) / 3, 200);
}

// The demo lights the frame from the normal map's bytes taken as a direction
// as they stand, with the light somewhere from (120, 120) to (240, 240),
// 40 pixels above the frame. Wherever the light is, the whole frame must
// catch some of it: no black, direction-less pixel, and no wide stretch
// turned away from the light.
TEST(DataImages, NormalMapLightsTheWholeFrameWhereverTheLightIs)
{
    const DataImage& normals = Image("normal_map.raw");
    for (const int lightX : {120, 240}) {
        for (const int lightY : {120, 240}) {
            SCOPED_TRACE(testing::Message() << "light at " << lightX << "," << lightY);
            double sum = 0.0;
            int unlit = 0;
            for (int y = 0; y < normals.height; ++y) {
                for (int x = 0; x < normals.width; ++x) {
                    const Pixel p = At(normals, x, y);
                    ASSERT_GT(p.b, 0) << x << "," << y;
                    const double lx = lightX - x;
                    const double ly = lightY - y;
                    const double d = (p.r * lx + p.g * ly + p.b * 40.0) /
                                     std::sqrt((p.r * p.r + p.g * p.g + p.b * p.b) * (lx * lx + ly * ly + 1600.0));
                    sum += d > 0.0 ? d : 0.0;
                    unlit += d < 0.05 ? 1 : 0;
                }
            }
            const int pixels = normals.width * normals.height;
            EXPECT_GT(sum / pixels, 0.5);
            EXPECT_LT(unlit, pixels / 20);
        }
    }
}

// The picture's red channel is its coverage over the animated tint: the sky
// must let the tint through, the sphere must mostly cover it.
TEST(DataImages, PictureRedIsLowInTheSkyAndHighOnTheSphere)
{
    const DataImage& picture = Image("cite_des_sciences.raw");
    long skyRed = 0;
    int skyPixels = 0;
    long sphereRed = 0;
    int spherePixels = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (y < 30) {
                skyRed += At(picture, x, y).r;
                ++skyPixels;
            } else if (!Outside(x, y, kSphereX, kSphereY, kSphereRadius - 12.0)) {
                sphereRed += At(picture, x, y).r;
                ++spherePixels;
            }
        }
    }
    EXPECT_LT(skyRed / skyPixels, 60);
    EXPECT_GT(sphereRed / spherePixels, 100);
}

// Panned up to 60 pixels, the picture's border crosses the frame: its
// coverage must fall to nothing there, and smoothly, or it shows as a hard
// rectangle against the tint.
TEST(DataImages, PictureCoverageFadesOutTowardsItsBorder)
{
    const DataImage& picture = Image("cite_des_sciences.raw");
    // Mean red of each ring of pixels at the same distance from the border.
    std::vector<long> ringSum(24, 0);
    std::vector<int> ringPixels(24, 0);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const int ring = std::min(std::min(x, y), std::min(picture.width - 1 - x, picture.height - 1 - y));
            if (ring < 4) {
                ASSERT_LE(At(picture, x, y).r, 8) << x << "," << y;
            }
            if (ring < 24) {
                ringSum[ring] += At(picture, x, y).r;
                ++ringPixels[ring];
            }
        }
    }
    long innerSum = 0;
    int innerPixels = 0;
    for (int ring = 4; ring < 10; ++ring) {
        innerSum += ringSum[ring];
        innerPixels += ringPixels[ring];
    }
    EXPECT_LE(innerSum / innerPixels, 48);
    for (int ring = 1; ring < 24; ++ring) {
        EXPECT_LE(ringSum[ring] / ringPixels[ring] - ringSum[ring - 1] / ringPixels[ring - 1], 20) << "ring " << ring;
    }
}

// The fountain fades its sparks by up to seven eighths: they need a core
// that stays bright through it, in a halo that softens their edge.
TEST(DataImages, SparkHasABrightCoreInASoftHalo)
{
    const DataImage& spark = Image("particule.raw");
    int core = 0;
    int halo = 0;
    for (int y = 0; y < spark.height; ++y) {
        for (int x = 0; x < spark.width; ++x) {
            const Pixel p = At(spark, x, y);
            const int coverage = (p.r + p.g + p.b) / 3;
            core += coverage >= 200 ? 1 : 0;
            halo += coverage >= 16 && coverage < 200 ? 1 : 0;
        }
    }
    EXPECT_GE(core, 45);
    EXPECT_GE(halo, 4 * core);
}

}  // namespace
