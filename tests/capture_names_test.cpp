#include <gtest/gtest.h>

#include <string>

#include "QuotedText.h"
#include "TemporaryName.h"

TEST(TemporaryStem, ShortNamesKeepTheWholePath)
{
    EXPECT_EQ(TemporaryStem("out/frames.raw", 42, 255), "out/frames.raw.part-42-");
    EXPECT_EQ(TemporaryStem("frames.raw", 7, 255), "frames.raw.part-7-");
}

TEST(TemporaryStem, LongNamesAreShortenedToTheLimitWithTheLongestTryNumber)
{
    const std::string folder = "/some/folder/";
    for (std::size_t length = 230; length <= 255; ++length) {
        const std::string name(length, 'n');
        const std::string stem = TemporaryStem(folder + name, 123456, 255);
        ASSERT_EQ(stem.compare(0, folder.size(), folder), 0) << "kept in the same folder";
        const std::string longest = stem.substr(folder.size()) + std::to_string(kTemporaryNameTries - 1);
        EXPECT_LE(longest.size(), 255u) << length;
        EXPECT_EQ(longest.substr(longest.size() - 15), ".part-123456-99");
    }
    // Only the final name counts: the folder may be as long as it likes.
    const std::string deep = std::string(600, 'd') + "/";
    EXPECT_EQ(TemporaryStem(deep + std::string(255, 'n'), 1, 255).size(), deep.size() + 253);
}

TEST(TemporaryStem, NeverCutsAUtf8Character)
{
    std::string name;
    for (int i = 0; i < 127; ++i)
        name += "\xc3\xa9"; // 254 bytes of two-byte characters
    const std::string stem = TemporaryStem(name, 12345, 255);
    const std::string kept = stem.substr(0, stem.size() - std::string(".part-12345-").size());
    EXPECT_EQ(kept.size() % 2, 0u);
    EXPECT_LE(stem.size() + 2, 255u);
    EXPECT_EQ(kept, name.substr(0, kept.size()));
}

TEST(Quoted, ControlCharactersAreEscapedAndTheRestKept)
{
    EXPECT_EQ(Quoted("plain/name.raw"), "'plain/name.raw'");
    EXPECT_EQ(Quoted("a\nb\tc\x1b\x7f"), "'a\\x0ab\\x09c\\x1b\\x7f'");
    EXPECT_EQ(Quoted(std::string("nul\0byte", 8)), "'nul\\x00byte'");
    EXPECT_EQ(Quoted("\xc3\xa9t\xc3\xa9 \\ '"), "'\xc3\xa9t\xc3\xa9 \\ ''");
}
