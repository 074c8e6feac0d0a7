// The row converters, which work a group of pixels at a time, against the
// per-pixel formulas of each format, for rows of every length up to a few
// groups and for a whole frame row.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "RowConverters.h"

namespace {

struct Format {
    const char* name;
    RowConverter converter;
    std::uint32_t bytesPerPixel;
    std::uint32_t (*pixel)(std::uint32_t p); // the destination pixel as a little-endian value
};

std::uint32_t R(std::uint32_t p) { return (p >> 16) & 0xFF; }
std::uint32_t G(std::uint32_t p) { return (p >> 8) & 0xFF; }
std::uint32_t B(std::uint32_t p) { return p & 0xFF; }

const Format kFormats[] = {
    {"CopyRow32", CopyRow32, 4, [](std::uint32_t p) { return p; }},
    {"SwapRow32", SwapRow32, 4, [](std::uint32_t p) { return R(p) | G(p) << 8 | B(p) << 16; }},
    {"PackRow24", PackRow24, 3, [](std::uint32_t p) { return B(p) | G(p) << 8 | R(p) << 16; }},
    {"SwapRow24", SwapRow24, 3, [](std::uint32_t p) { return R(p) | G(p) << 8 | B(p) << 16; }},
    {"PackRow565", PackRow565, 2, [](std::uint32_t p) { return (R(p) >> 3) << 11 | (G(p) >> 2) << 5 | B(p) >> 3; }},
    {"PackRowBgr565", PackRowBgr565, 2,
     [](std::uint32_t p) { return (B(p) >> 3) << 11 | (G(p) >> 2) << 5 | R(p) >> 3; }},
    {"PackRow555", PackRow555, 2, [](std::uint32_t p) { return (R(p) >> 3) << 10 | (G(p) >> 3) << 5 | B(p) >> 3; }},
    {"PackRowBgr555", PackRowBgr555, 2,
     [](std::uint32_t p) { return (B(p) >> 3) << 10 | (G(p) >> 3) << 5 | R(p) >> 3; }},
};

constexpr std::uint8_t kGuard = 0xA5;
constexpr std::size_t kGuardBytes = 16;

TEST(RowConverterExactness, EveryLengthGivesEachPixelsFormulaAndWritesNothingPastTheRow)
{
    std::mt19937 random(11);
    for (const Format& format : kFormats) {
        std::vector<std::uint32_t> lengths(41);
        for (std::uint32_t i = 0; i < lengths.size(); ++i)
            lengths[i] = i;
        lengths.push_back(240);
        for (std::uint32_t count : lengths) {
            std::vector<std::uint32_t> source(count);
            for (std::uint32_t& p : source)
                p = random();
            std::vector<std::uint8_t> row(count * format.bytesPerPixel + kGuardBytes, kGuard);
            format.converter(source.data(), row.data(), count);

            for (std::uint32_t i = 0; i < count; ++i) {
                const std::uint32_t expected = format.pixel(source[i]);
                for (std::uint32_t b = 0; b < format.bytesPerPixel; ++b)
                    ASSERT_EQ(row[i * format.bytesPerPixel + b], static_cast<std::uint8_t>(expected >> (8 * b)))
                        << format.name << ", " << count << " pixels: pixel " << i << " byte " << b;
            }
            for (std::size_t b = count * format.bytesPerPixel; b < row.size(); ++b)
                ASSERT_EQ(row[b], kGuard) << format.name << ", " << count << " pixels: wrote byte " << b;
        }
    }
}

} // namespace
