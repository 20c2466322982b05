#pragma once

#include <optional>
#include <string_view>

// How a command letter turns a frequency typed in MHz into the whole number
// it sends.
struct LetterUnit {
    double perMHz;        // 1000000 (Hz), 1000 (kHz) or 1 (MHz)
    bool aboveChannel0;   // "C" "c": the value counts from the channel-0 frequency
    bool steps;           // the step buttons have a rule for it ("R" has none)
};

// The unit of a command letter, matched exactly and case-sensitively:
// "C" "c" "D" "d" "R" Hz, "K" "k" kHz, "M" "m" MHz. Any other text: nullopt.
std::optional<LetterUnit> UnitOf(std::string_view letter);

// The value a frequency command sends, before its range is checked: the
// floor, taken once, of frequency (MHz) in the letter's unit, less channel0
// (MHz) for "C" and "c", plus stepTerm (already in the letter's unit).
// Both products come before their difference: (1000.3 - 1000.1) * 1000000
// gives 199999.99999993, one Hz short of what the user typed.
double ScaledValue(const LetterUnit& unit, double frequency, double channel0, double stepTerm);
