#include "platform/runtime.h"

#include <QCoreApplication>
#include <QTime>

namespace platform {

namespace {

std::function<void()>& Pump()
{
    static std::function<void()> pump;
    return pump;
}

std::function<float()>& Clock()
{
    static std::function<float()> clock;
    return clock;
}

}  // namespace

void DoEvents()
{
    if (Pump())
        Pump()();
    else
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

float Timer()
{
    if (Clock())
        return Clock()();
    return SecondsOfDay(QTime::currentTime().msecsSinceStartOfDay());
}

float SecondsOfDay(int msecs)
{
    // One rounding, from the exact seconds: a float holds the milliseconds of
    // a day only to 8 ms, so converting them first would add that error.
    return float(msecs / 1000.0);
}

void SetEventPump(std::function<void()> pump) { Pump() = std::move(pump); }
void SetClock(std::function<float()> clock) { Clock() = std::move(clock); }

}  // namespace platform
