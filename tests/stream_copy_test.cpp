#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "StreamCopy.h"

// Every length around the 64-byte blocks, at every alignment of the target:
// the bytes arrive as they were, and none around them changes.
TEST(StreamCopy, CopiesEveryByteAndNothingElseAtEveryAlignment)
{
    std::vector<std::uint8_t> source(400 + 7);
    for (std::size_t i = 0; i < source.size(); ++i)
        source[i] = static_cast<std::uint8_t>(i * 37 + 11);
    alignas(64) std::uint8_t target[512];
    for (std::size_t offset = 0; offset < 32; ++offset) {
        for (std::size_t count : {0, 1, 15, 16, 63, 64, 65, 79, 80, 127, 128, 129, 200, 383, 400}) {
            for (std::uint8_t& byte : target)
                byte = 0xA5;
            StreamCopy(target + offset, source.data() + offset % 7, count);
            for (std::size_t i = 0; i < sizeof target; ++i) {
                const bool inside = i >= offset && i < offset + count;
                const std::uint8_t expected = inside ? source[i - offset + offset % 7] : 0xA5;
                ASSERT_EQ(target[i], expected) << "offset " << offset << ", count " << count << ", byte " << i;
            }
        }
    }
}
