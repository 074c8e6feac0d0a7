// The window layer inside one process, on a real screen (run under Wine on
// Xvfb by window-tests.sh): creation, presentation, the window procedure
// short of ending the process, and shutdown.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "DisplayState.h"
#include "DisplayWindow.h"
#include "DisplayWindowProc.h"

namespace {

const char kClassName[] = "Zarn Screen Copier";
constexpr std::int32_t kSize = 240;

BOOL ScreenSaverActive()
{
    BOOL active = FALSE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    return active;
}

SIZE ClientSize()
{
    RECT client;
    GetClientRect(displayState.window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

class DisplayWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(CreateDisplayWindow(kClassName, kSize, kSize), 1) << DisplayFailureReason();
    }

    void TearDown() override { ShutdownDisplay(); }

    LRESULT SystemCommand(WPARAM command)
    {
        return SendMessageA(displayState.window, WM_SYSCOMMAND, command, 0);
    }
};

TEST_F(DisplayWindowTest, ConvertsEveryRowIntoTheOffscreenSurface)
{
    std::vector<std::uint32_t> frame(kSize * kSize);
    for (std::size_t i = 0; i < frame.size(); ++i)
        frame[i] = static_cast<std::uint32_t>(i * 2654435761u);
    ASSERT_EQ(PresentPixels(frame.data()), 1);

    DDSURFACEDESC surface = {};
    surface.dwSize = sizeof surface;
    ASSERT_TRUE(SUCCEEDED(displayState.offscreenSurface->Lock(nullptr, &surface, DDLOCK_WAIT, nullptr)));
    const std::uint32_t pixelBytes = surface.ddpfPixelFormat.dwRGBBitCount / 8;
    std::vector<std::uint8_t> expected(kSize * pixelBytes);
    int wrongRows = 0;
    for (std::int32_t y = 0; y < kSize; ++y) {
        displayState.rowConverter(frame.data() + y * kSize, expected.data(), kSize);
        const auto* row = static_cast<const std::uint8_t*>(surface.lpSurface) + y * surface.lPitch;
        wrongRows += !std::equal(expected.begin(), expected.end(), row);
    }
    displayState.offscreenSurface->Unlock(surface.lpSurface);
    EXPECT_EQ(wrongRows, 0);
}

TEST_F(DisplayWindowTest, ZoomGivesAnExactClientAreaAndFactorZeroChangesNothing)
{
    EXPECT_EQ(SystemCommand(1027), 0); // factor 3, past the 768-pixel screen height
    EXPECT_EQ(ClientSize().cx, 720);
    EXPECT_EQ(ClientSize().cy, 720);

    RECT before;
    GetWindowRect(displayState.window, &before);
    EXPECT_EQ(SystemCommand(1024), 0);
    EXPECT_EQ(SystemCommand(1032), 0);
    RECT after;
    GetWindowRect(displayState.window, &after);
    EXPECT_TRUE(EqualRect(&before, &after));

    EXPECT_EQ(SystemCommand(1025), 0);
    EXPECT_EQ(ClientSize().cx, kSize);
    EXPECT_EQ(ClientSize().cy, kSize);
}

TEST_F(DisplayWindowTest, MinimisingWorksAsUsualAndFramesStillPass)
{
    SystemCommand(SC_MINIMIZE);
    EXPECT_TRUE(IsIconic(displayState.window));
    std::vector<std::uint32_t> frame(kSize * kSize, 0x00FF8000);
    EXPECT_EQ(PresentPixels(frame.data()), 1);
    SystemCommand(SC_RESTORE);
    EXPECT_FALSE(IsIconic(displayState.window));
}

TEST_F(DisplayWindowTest, SwallowsKeysOtherThanEscape)
{
    EXPECT_EQ(DisplayWindowProc(displayState.window, WM_KEYDOWN, 'A', 0), 0);
    EXPECT_EQ(DisplayWindowProc(displayState.window, WM_KEYDOWN, VK_SPACE, 0), 0);
    EXPECT_TRUE(IsWindow(displayState.window));
}

TEST(DisplayShutdown, ReleasesEverythingAndPutsTheScreenSaverBackAsItWas)
{
    for (const BOOL before : {TRUE, FALSE}) {
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, before, nullptr, 0);
        ASSERT_EQ(CreateDisplayWindow(kClassName, kSize, kSize), 1) << DisplayFailureReason();
        EXPECT_FALSE(ScreenSaverActive());
        const HWND window = displayState.window;

        ShutdownDisplay();
        EXPECT_EQ(ScreenSaverActive(), before);
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(displayState.offscreenSurface, nullptr);
        EXPECT_EQ(displayState.primarySurface, nullptr);
        EXPECT_EQ(displayState.clipper, nullptr);
        EXPECT_EQ(displayState.directDraw, nullptr);
        EXPECT_EQ(displayState.ddrawLibrary, nullptr);
    }
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, TRUE, nullptr, 0);
}

} // namespace
