// The sweep's pause: a busy wait on the time-of-day clock that keeps every
// window alive meanwhile.
#include "sweep/form2.h"

#include "platform/runtime.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

using Monotonic = std::chrono::steady_clock;

constexpr float kDay = 86400.0f;

// A wait that crosses midnight may outlast its length by up to half a second
// (its end is rounded to a whole second); one that runs longer than this
// beyond its length is following a clock that cannot be trusted.
constexpr double kMostOverrun = 1.0;

// Rounds to the nearest whole number, a half to the even one, whatever the
// floating-point environment's rounding mode.
double RoundHalfEven(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction > 0.5)
        return below + 1;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

Monotonic::time_point After(Monotonic::time_point from, double seconds)
{
    return from + std::chrono::duration_cast<Monotonic::duration>(std::chrono::duration<double>(seconds));
}

}  // namespace

void Form2::Delay(float seconds)
{
    const Monotonic::time_point began = Monotonic::now();
    const double length = std::isfinite(seconds) ? std::clamp(double(seconds), 0.0, double(kDay)) : 0.0;
    const Monotonic::time_point lengthPassed = After(began, length);
    const Monotonic::time_point giveUp = After(began, length + kMostOverrun);

    const float start = platform::Timer();
    const float end = start + seconds;

    for (;;) {
        // Each test on its own reading, both before any event is handled.
        const bool fellBack = platform::Timer() < start;
        const bool endReached = platform::Timer() >= end;
        if (fellBack || endReached)
            break;
        if (Monotonic::now() >= giveUp)
            return;
        platform::DoEvents();
    }
    if (platform::Timer() >= end)
        return;

    if (end < kDay) {
        // An end before midnight, yet the clock fell back: it either passed
        // both the end and midnight in one pass, or it was set back. Either
        // way the time of day says nothing more about this wait, so the
        // monotonic clock finishes it.
        while (Monotonic::now() < lengthPassed)
            platform::DoEvents();
        return;
    }

    // The clock passed midnight before the end, which lies in the new day.
    const float newEnd = float(std::fmod(RoundHalfEven(end), double(kDay)));
    while (platform::Timer() < newEnd && Monotonic::now() < giveUp)
        platform::DoEvents();
}
