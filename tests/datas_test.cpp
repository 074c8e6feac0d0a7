#include "DataImages.h"

#include <gtest/gtest.h>

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

TEST(DataImages, NormalMapHoldsUnitNormalsFacingOutOfTheScreen)
{
    const DataImage& normals = Image("normal_map.raw");
    for (int y = 0; y < normals.height; ++y) {
        for (int x = 0; x < normals.width; ++x) {
            const Pixel p = At(normals, x, y);
            const double nx = p.r / 127.5 - 1.0;
            const double ny = p.g / 127.5 - 1.0;
            const double nz = p.b / 127.5 - 1.0;
            ASSERT_GT(nz, 0.0) << x << "," << y;
            ASSERT_NEAR(std::sqrt(nx * nx + ny * ny + nz * nz), 1.0, 0.03) << x << "," << y;
        }
    }
    // The ball's normals point away from its centre, x right and y down.
    const int reach = 55;
    EXPECT_LT(At(normals, 120 - reach, 104).r, 100);
    EXPECT_GT(At(normals, 120 + reach, 104).r, 156);
    EXPECT_LT(At(normals, 120, 104 - reach).g, 100);
    EXPECT_GT(At(normals, 120, 104 + reach).g, 156);
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

}  // namespace
