#include <gtest/gtest.h>

#include <cstdint>

#include "FrameSchedule.h"

namespace {
constexpr std::uint64_t kSecond = 1000000000;
constexpr std::uint64_t kStart = 5 * kSecond + 123; // any moment of the clock
} // namespace

TEST(FrameSchedule, DeadlinesFollowTheRefreshRateExactlyWithoutDrift)
{
    FrameSchedule schedule;
    schedule.Start(kStart, 60);
    EXPECT_EQ(schedule.Rate(), 60);
    // Frames that end well before their deadlines wait for each in turn.
    std::uint64_t deadline = 0;
    for (int frame = 1; frame <= 3; ++frame) {
        deadline = schedule.Next(deadline == 0 ? kStart + 1000 : deadline + 1000);
        EXPECT_EQ(deadline, kStart + frame * kSecond / 60) << frame;
    }
    // An hour of frames at 144 Hz lands on the exact second.
    schedule.Start(kStart, 144);
    for (int frame = 1; frame <= 144 * 3600; ++frame)
        deadline = schedule.Next(frame == 1 ? kStart : deadline);
    EXPECT_EQ(deadline, kStart + 3600 * kSecond);
}

TEST(FrameSchedule, ALateFrameResynchronisesInsteadOfRunningFramesBackToBack)
{
    FrameSchedule schedule;
    schedule.Start(kStart, 50); // a point every 20 ms
    EXPECT_EQ(schedule.Next(kStart + 1), kStart + 20000000);
    // The next frame ends 65 ms in, past three points: it waits for the
    // first point after that, 80 ms, and none of the missed ones.
    EXPECT_EQ(schedule.Next(kStart + 65000000), kStart + 80000000);
    EXPECT_EQ(schedule.Next(kStart + 80000001), kStart + 100000000);
    // Ending exactly on a point is late for it.
    EXPECT_EQ(schedule.Next(kStart + 120000000), kStart + 140000000);
    // Hours late (a machine asleep), the schedule keeps its phase.
    EXPECT_EQ(schedule.Next(kStart + 7200 * kSecond + 5), kStart + 7200 * kSecond + 20000000);
    EXPECT_EQ(schedule.Next(kStart + 7200 * kSecond + 20000000 + 3), kStart + 7200 * kSecond + 40000000);
}

TEST(FrameSchedule, AnUnknownRateIsSixtyAndARestartTakesTheNewRateFromNow)
{
    FrameSchedule schedule;
    schedule.Start(kStart, 0);
    EXPECT_EQ(schedule.Rate(), 60);
    EXPECT_EQ(schedule.Next(kStart), kStart + kSecond / 60);
    schedule.Start(kStart + 7, -1);
    EXPECT_EQ(schedule.Rate(), 60);
    schedule.Start(kStart + 7, 75);
    EXPECT_EQ(schedule.Rate(), 75);
    EXPECT_EQ(schedule.Next(kStart + 8), kStart + 7 + kSecond / 75);
    EXPECT_EQ(schedule.Next(kStart + 7 + kSecond / 75), kStart + 7 + 2 * kSecond / 75);
}
