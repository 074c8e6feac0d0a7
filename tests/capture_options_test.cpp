#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaptureOptions.h"
#include "FramePath.h"
#include "PngFile.h"

namespace {

bool Parse(std::vector<const char*> args, CaptureOptions& options, std::string& error)
{
    return ParseCaptureOptions(static_cast<int>(args.size()), args.data(), options, error);
}

std::string ErrorOf(std::vector<const char*> args)
{
    CaptureOptions options;
    std::string error;
    EXPECT_FALSE(Parse(args, options, error));
    EXPECT_EQ(error.find('\n'), std::string::npos) << "one line";
    return error;
}

} // namespace

TEST(CaptureOptions, DefaultsAndEveryOption)
{
    CaptureOptions options;
    std::string error;
    ASSERT_TRUE(Parse({}, options, error));
    EXPECT_EQ(options.frames, 1u);
    EXPECT_EQ(options.startMs, 0u);
    EXPECT_EQ(options.frameMs, 20u);
    EXPECT_EQ(options.format, CaptureFormat::Raw);
    EXPECT_EQ(options.out, "-");

    ASSERT_TRUE(Parse({"--frames", "600", "--start-ms", "4294967295", "--frame-ms", "2147483647", "--format", "ppm",
                       "--out", "x.ppm"},
                      options, error))
        << error;
    EXPECT_EQ(options.frames, 600u);
    EXPECT_EQ(options.startMs, 4294967295u);
    EXPECT_EQ(options.frameMs, 2147483647u);
    EXPECT_EQ(options.format, CaptureFormat::Ppm);
    EXPECT_EQ(options.out, "x.ppm");

    // A build without libpng refuses PNG output as a usage error.
    CaptureOptions png;
    EXPECT_EQ(Parse({"--format", "png", "--out", "shots/frame_%04d.png", "--frames", "3"}, png, error), PngSupported());
    CaptureOptions single;
    EXPECT_EQ(Parse({"--format", "png", "--out", "one.png"}, single, error), PngSupported());
}

TEST(CaptureOptions, HelpAndVersionEndTheParsing)
{
    CaptureOptions options;
    std::string error;
    ASSERT_TRUE(Parse({"--frames", "2", "--version", "--bogus"}, options, error)) << error;
    EXPECT_TRUE(options.version);
    EXPECT_FALSE(options.help);
    EXPECT_EQ(options.frames, 2u);
    CaptureOptions help;
    ASSERT_TRUE(Parse({"-h", "--version"}, help, error)) << error;
    EXPECT_TRUE(help.help);
    EXPECT_FALSE(help.version);
    ErrorOf({"--frames", "0", "--version"}); // what comes before is still checked
}

TEST(CaptureOptions, RejectsBadArguments)
{
    EXPECT_NE(ErrorOf({"--fps", "3"}).find("--fps"), std::string::npos);
    EXPECT_NE(ErrorOf({"--frames"}).find("needs a value"), std::string::npos);
    ErrorOf({"--frames", "0"});
    ErrorOf({"--frames", "-1"});
    ErrorOf({"--frames", "12x"});
    ErrorOf({"--frames", ""});
    ErrorOf({"--start-ms", "4294967296"});
    ErrorOf({"--frame-ms", "2147483648"});
    ErrorOf({"--frame-ms", "99999999999999999999999"});
    ErrorOf({"--format", "gif"});
    ErrorOf({"--format", "png"});                                  // no file to write
    ErrorOf({"--format", "png", "--out", "-"});                    // png does not go to a pipe
    ErrorOf({"--format", "png", "--out", "a.png", "--frames", "2"}); // two frames, one name
    ErrorOf({"--format", "png", "--out", "a%s.png"});
    ErrorOf({"--format", "png", "--out", "a%d%d.png", "--frames", "2"});
    ErrorOf({"--out", ""});
}

TEST(FramePath, FormatsOneIntegerConversionSafely)
{
    FramePath path;
    ASSERT_TRUE(ParseFramePath("shots/frame_%04d.png", path));
    EXPECT_EQ(FormatFramePath(path, 7), "shots/frame_0007.png");
    EXPECT_EQ(FormatFramePath(path, 12345), "shots/frame_12345.png");

    ASSERT_TRUE(ParseFramePath("100%%_%i.png", path));
    EXPECT_EQ(FormatFramePath(path, 3), "100%_3.png");

    ASSERT_TRUE(ParseFramePath("plain%%.png", path));
    EXPECT_FALSE(path.numbered);
    EXPECT_EQ(FormatFramePath(path, 9), "plain%.png");

    for (const char* bad : {"%n.png", "%s", "%999d", "%ld", "%d%u", "%", "a%.5d", "%#x"})
        EXPECT_FALSE(ParseFramePath(bad, path)) << bad;
}
