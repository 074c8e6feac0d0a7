#include "FrameSchedule.h"

namespace {
constexpr std::int64_t kSecond = 1000000000;
constexpr std::int32_t kUnknownRate = 60;
} // namespace

void FrameSchedule::Start(std::uint64_t now, std::int32_t refreshRate)
{
    rate = refreshRate > 0 ? refreshRate : kUnknownRate;
    origin = now;
    last = 0;
}

std::uint64_t FrameSchedule::Point(std::int64_t index) const
{
    return origin + static_cast<std::uint64_t>(index * kSecond / rate);
}

std::uint64_t FrameSchedule::Next(std::uint64_t now)
{
    std::int64_t next = last + 1;
    if (Point(next) <= now) {
        next = static_cast<std::int64_t>((now - origin) / kSecond) * rate +
               static_cast<std::int64_t>((now - origin) % kSecond) * rate / kSecond;
        while (Point(next) <= now)
            ++next;
    }
    // Every rate points the schedule is a whole second on: moving the origin
    // there keeps the products small and every point exactly where it was.
    const std::int64_t seconds = next / rate;
    origin += static_cast<std::uint64_t>(seconds * kSecond);
    last = next - seconds * rate;
    return Point(last);
}
