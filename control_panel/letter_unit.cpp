#include "control_panel/letter_unit.h"

#include <cmath>

std::optional<LetterUnit> UnitOf(std::string_view letter)
{
    constexpr double hz = 1000000.0, kHz = 1000.0, mHz = 1.0;
    if (letter == "C" || letter == "c")
        return LetterUnit{hz, true, true};
    if (letter == "D" || letter == "d")
        return LetterUnit{hz, false, true};
    if (letter == "K" || letter == "k")
        return LetterUnit{kHz, false, true};
    if (letter == "M" || letter == "m")
        return LetterUnit{mHz, false, true};
    if (letter == "R")
        return LetterUnit{hz, false, false};
    return std::nullopt;
}

double ScaledValue(const LetterUnit& unit, double frequency, double channel0, double stepTerm)
{
    double sum = frequency * unit.perMHz;
    if (unit.aboveChannel0)
        sum = sum - channel0 * unit.perMHz;
    // Never rounded to the nearest: 1.005 MHz is 1004999.9999999999 Hz in a
    // double and goes out as 1004999.
    return std::floor(sum + stepTerm);
}
