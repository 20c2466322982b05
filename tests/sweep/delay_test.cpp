#include "platform/runtime.h"
#include "sweep/form2.h"

#include <QCoreApplication>
#include <QTime>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A time-of-day clock that moves `tick` seconds at each reading and falls
// back to 0 at midnight, and a pump that counts how often it ran.
class TimedWait : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::SetClock([this] {
            last = float(now);
            now = std::fmod(now + tick, 86400.0);
            return last;
        });
        platform::SetEventPump([this] {
            ++pumps;
            QCoreApplication::processEvents();
            if (onPump)
                onPump();
        });
    }
    void TearDown() override
    {
        platform::SetClock({});
        platform::SetEventPump({});
    }

    // Real seconds that a wait took.
    double Timed(float seconds)
    {
        const auto began = std::chrono::steady_clock::now();
        Form2::Delay(seconds);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    }

    double now = 0;
    double tick = 1.0 / 1024;
    float last = -1;   // the reading at which the wait returned
    int pumps = 0;
    std::function<void()> onPump;
};

}  // namespace

TEST_F(TimedWait, EndsAtTheFirstReadingPastItsEndAcrossMidnightToo)
{
    const double t = 1.0 / 1024;
    // A few readings follow the one that passes the end: allow a few ticks.
    const struct {
        const char* name;
        double startedAt;
        float seconds;
        double endsFrom, endsBy;   // the earliest and the latest reading that may end the wait
    } cases[] = {
        {"0.1 s in the day", 1000, 0.1f, 1000.1, 1000.1 + 8 * t},
        {"0.1 s from 86399.95: its end 86400.0547 becomes 0", 86399.95, 0.1f, 0, 8 * t},
        {"0.6 s from 86399.95: its end 86400.5547 becomes 1", 86399.95, 0.6f, 1, 1 + 8 * t},
        {"1.5 s from 86399: its end 86400.5 rounds to even, 0", 86399, 1.5f, 0, 8 * t},
        {"no time, handling no event", 1000, 0, 1000, 1000 + 8 * t},
        {"no time just before midnight", 86399.5, 0, 86399.5, 86399.5 + 8 * t},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        now = c.startedAt;
        pumps = 0;
        bool handled = false;
        QObject scope;   // a timer the wait did not run goes with this pass
        QTimer::singleShot(0, &scope, [&] { handled = true; });
        Form2::Delay(c.seconds);
        EXPECT_GE(last, c.endsFrom);
        EXPECT_LE(last, c.endsBy);
        EXPECT_EQ(pumps > 0, c.seconds > 0);
        EXPECT_EQ(handled, c.seconds > 0);
    }
}

TEST_F(TimedWait, AClockThatCannotBeTrustedNeverStretchesTheWaitFarBeyondItsLength)
{
    const struct {
        const char* name;
        double startedAt;
        std::function<void()> onPump;
        double atLeast, atMost;   // real seconds for a wait of 0.05 s
    } cases[] = {
        // An end before midnight that the clock overtook together with midnight.
        {"passes its end and midnight in one pass", 86399.9,
         [this] { if (now > 86399.0) now = 0.2; }, 0.0, 0.3},
        {"set back by an hour", 40000,
         [this] { if (now > 39999.0) now = 36400; }, 0.05, 0.3},
        {"stands still", 40000, [this] { now = 40000; }, 1.0, 1.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        now = c.startedAt;
        pumps = 0;
        onPump = c.onPump;
        const double took = Timed(0.05f);
        EXPECT_GE(took, c.atLeast);
        EXPECT_LE(took, c.atMost);
        EXPECT_GT(pumps, 0);
    }
}

TEST(TimeOfDayClock, ReadsTheTimeOfDayToTheFullPrecisionOfASingle)
{
    // Each reading lies within half a step of a float of the milliseconds
    // read around it; late in the day a float step is 1/128 s.
    const auto started = std::chrono::steady_clock::now();
    int readings = 0;
    while (std::chrono::steady_clock::now() - started < std::chrono::milliseconds(100)) {
        const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        const float reading = platform::Timer();
        const double after = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
        if (after < before)
            continue;   // midnight between the readings
        const double halfStep = (double(std::nextafter(reading, 1e9f)) - reading) / 2;
        ASSERT_GE(reading, before - halfStep);
        ASSERT_LE(reading, after + halfStep);
        ++readings;
    }
    EXPECT_GT(readings, 0);
}
