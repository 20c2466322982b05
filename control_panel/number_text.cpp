#include "control_panel/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> ParseNumber(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // from_chars alone would also take "inf", "nan" and, for some formats,
    // exponents; the shape is therefore checked here first.
    bool seenPoint = false;
    bool seenDigit = false;
    bool nonZeroBeforePoint = false;
    for (const char c : text) {
        if (IsDigit(c)) {
            seenDigit = true;
            nonZeroBeforePoint = nonZeroBeforePoint || (!seenPoint && c != '0');
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
        return std::nullopt;

    // from_chars rather than strtod: strtod's decimal point follows the locale.
    const char* const end = text.data() + text.size();
    double magnitude = 0.0;
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Out of range with a non-zero whole part means too large. It is still
        // a number, so it takes the largest finite value and meets the range
        // check of its entry like any other large number; no accepted text is
        // infinite. Otherwise it is too small to hold and the nearest double
        // is zero.
        magnitude = nonZeroBeforePoint ? std::numeric_limits<double>::max() : 0.0;
    } else if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

std::string NumberToText(double value)
{
    if (!std::isfinite(value))
        return "0";

    // 15 significant digits always survive a trip through a double, so
    // 1001.3000000000001 shows as the 1001.3 the user typed. to_chars rather
    // than printf: printf's decimal point follows the locale.
    constexpr int significantDigits = 15;
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, significantDigits - 1);
    const std::string_view scientific(buffer, static_cast<std::size_t>(written.ptr - buffer));
    // scientific looks like "-1.00130000000000e+03".

    const bool negative = scientific.front() == '-';
    const std::size_t mantissa = negative ? 1 : 0;
    std::string digits(1, scientific[mantissa]);
    digits.append(scientific.substr(mantissa + 2, significantDigits - 1));
    if (digits.find_first_not_of('0') == std::string::npos)
        return "0";

    const char* exponentText = scientific.data() + scientific.find('e') + 1;
    if (*exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, scientific.data() + scientific.size(), exponent);

    // Just below the largest double, rounding to 15 digits goes past it, and
    // the text would read back as the largest double rather than as itself;
    // the largest 15-digit decimal that fits is written instead.
    constexpr std::string_view largestDigits = "179769313486231";
    if (exponent == std::numeric_limits<double>::max_exponent10 && digits > largestDigits)
        digits = largestDigits;

    std::string whole;
    std::string fraction;
    if (exponent < 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else if (exponent + 1 >= significantDigits) {
        whole = digits + std::string(static_cast<std::size_t>(exponent + 1 - significantDigits), '0');
    } else {
        whole = digits.substr(0, static_cast<std::size_t>(exponent + 1));
        fraction = digits.substr(static_cast<std::size_t>(exponent + 1));
    }
    fraction.erase(fraction.find_last_not_of('0') + 1);

    std::string text = negative ? "-" : "";
    text += whole;
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}
