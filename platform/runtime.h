#pragma once

#include <functional>

namespace platform {

// Handles every window event pending now, other handlers included, and returns.
void DoEvents();

// Seconds since local midnight, with fractions; falls back to 0 at midnight.
float Timer();
// What Timer reads at `msecs` milliseconds past midnight.
float SecondsOfDay(int msecs);

// Seams for tests: an empty function restores the real pump or clock.
void SetEventPump(std::function<void()> pump);
void SetClock(std::function<float()> clock);

}  // namespace platform
