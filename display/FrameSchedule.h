#pragma once

#include <cstdint>

// The deadlines of a frame loop paced to a display's refresh rate: the points
// origin + k x (1 s / rate) of an absolute schedule, in nanoseconds of a
// monotonic clock that the caller reads and passes in. Each point is exact to
// the nanosecond, so the rate does not drift however long the loop runs.
class FrameSchedule {
public:
    // Restarts the schedule at now for rate frames a second; a rate not above
    // 0, a display that does not say its rate, gives 60.
    void Start(std::uint64_t now, std::int32_t refreshRate);

    // The deadline for the next frame, the last one having ended at now: the
    // point after the last deadline. A frame that ends after that point is
    // not made up for by frames drawn back to back: the schedule goes on from
    // the first point after now.
    std::uint64_t Next(std::uint64_t now);

    std::int32_t Rate() const { return rate; }

private:
    std::uint64_t Point(std::int64_t index) const;

    std::uint64_t origin = 0; // a point of the schedule, within a second before the last deadline
    std::int64_t last = 0;    // the last deadline's index counted from origin
    std::int32_t rate = 60;
};
