#include "control_panel/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

// x rounded to 15 significant digits, by way of printf and strtod rather than
// the code under test. Tests run in the "C" locale.
double Round15(double x)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.14e", x);
    return std::strtod(text, nullptr);
}

TEST(NumberText, AcceptsPlainDecimals)
{
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"5", 5}, {"5.", 5}, {".5", 0.5}, {"-0.5", -0.5}, {"-.5", -0.5}, {" 1000 ", 1000}, {"+12", 12},
        {"\t7\t", 7}, {" \t-3.25 \t", -3.25}, {"007", 7}, {"0", 0}, {"0.1", 0.1}, {"1000.001", 1000.001},
        {"4294967295", 4294967295.0},
        {"9007199254740993", 9007199254740992.0},   // halfway: rounds to even
        {"0.1000000000000000055511151231257827", 0.1},
        {"1" + std::string(308, '0'), 1e308},
        {"17976931348623158" + std::string(292, '0'), DBL_MAX},   // just below the halfway point to infinity
        // too large to hold: still a number, the largest of its sign
        {"17976931348623159" + std::string(292, '0'), DBL_MAX}, {"1" + std::string(309, '0'), DBL_MAX},
        {"-1" + std::string(400, '0') + ".5", -DBL_MAX},
        {"0." + std::string(323, '0') + "49406564584124654", 4.9406564584124654e-324},
        {"0." + std::string(400, '0') + "1", 0.0},   // too small to hold
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const auto value = ParseNumber(c.text);
        ASSERT_TRUE(value);
        EXPECT_EQ(*value, c.value);
    }
    EXPECT_TRUE(std::signbit(*ParseNumber("-0." + std::string(400, '0') + "1")));
}

TEST(NumberText, RefusesEverythingElse)
{
    const std::string cases[] = {
        "", " ", "\t", ".", "-", "+", "-.", "+.", "..5", "1.2.3", "+-5", "--5", "- 5", "5-", "5 .5",
        "1e3", "1E3", "1.5e-3", "5e", "inf", "-inf", "INF", "infinity", "nan", "NaN", "0x10", "0X1A", "A0",
        "1,000", "1 000", "1,5", "1'000", "12a", "$5", "5%", "\0" "5"s, "5\0"s,
        "1" + std::string(400, '0') + "e1", "1" + std::string(400, '0') + "x",
    };
    for (const auto& text : cases) {
        SCOPED_TRACE('"' + text.substr(0, 40) + '"');
        EXPECT_FALSE(ParseNumber(text));
    }
}

TEST(NumberText, WritesFixedNotationWith15SignificantDigits)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"}, {-0.0, "0"}, {1001, "1001"}, {1000000, "1000000"}, {4294967295, "4294967295"},
        {1e20, "100000000000000000000"}, {123456789012345678.0, "123456789012346000"}, {0.000001, "0.000001"},
        {1e-20, "0.00000000000000000001"}, {1000.001, "1000.001"}, {0.5, "0.5"}, {-0.5, "-0.5"},
        {-1234.5, "-1234.5"}, {1001.3000000000001, "1001.3"}, {1.004998, "1.004998"}, {4294.967296, "4294.967296"},
        {999.999, "999.999"}, {0.1 + 0.2, "0.3"}, {123456.7890123456, "123456.789012346"},
        {9.9999999999999995, "10"},   // rounding carries into a new digit
        {-0.99999999999999994, "-1"}, {1e15 + 0.25, "1000000000000000"},
        {HUGE_VAL, "0"}, {-HUGE_VAL, "0"}, {NAN, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberToText(c.value), c.text) << std::hexfloat << c.value;

    // Rounded to 15 digits, the largest double would no longer fit.
    EXPECT_EQ(NumberToText(-DBL_MAX), "-179769313486231" + std::string(294, '0'));
}

// Decimals of at most 15 significant digits come back exactly as written.
TEST(NumberText, ShortDecimalsWriteBackAsWritten)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const int decimals = static_cast<int>(random() % 10);
        const int digits = 1 + static_cast<int>(random() % std::min(15, decimals + 10));
        const std::uint64_t k = random() % static_cast<std::uint64_t>(std::pow(10.0, digits));

        std::string expected = std::to_string(k);
        if (decimals > 0) {
            expected.insert(0, std::max(0, decimals + 1 - static_cast<int>(expected.size())), '0');
            expected.insert(expected.size() - static_cast<std::size_t>(decimals), ".");
            expected.erase(expected.find_last_not_of('0') + 1);
            if (expected.back() == '.')
                expected.pop_back();
        }
        double value = static_cast<double>(k) / std::pow(10.0, decimals);
        if (k != 0 && random() % 2 == 0) {
            value = -value;
            expected.insert(0, "-");
        }
        ASSERT_EQ(NumberToText(value), expected) << k << " / 10^" << decimals;
    }
}

TEST(NumberText, WrittenTextParsesToTheRoundedValue)
{
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> wholePart(0, 1e10);
    std::vector<double> values = {DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, -DBL_TRUE_MIN, 4294967295.5, 1e-9};
    for (int i = 0; i < 20000; ++i) {
        const double scale = std::pow(10.0, static_cast<int>(random() % 10));
        const double value = std::round(wholePart(random) * scale) / scale;
        values.push_back(i % 2 == 0 ? value : -value);
    }
    for (int i = 0; i < 5000; ++i) {   // any finite double, every magnitude
        double value;
        const std::uint64_t bits = random();
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            values.push_back(value);
    }

    for (const double value : values) {
        const std::string text = NumberToText(value);
        SCOPED_TRACE(text.substr(0, 60));
        const auto parsed = ParseNumber(text);
        ASSERT_TRUE(parsed) << std::hexfloat << value;
        const double rounded = Round15(value);
        ASSERT_EQ(*parsed, std::isinf(rounded) ? std::copysign(1.79769313486231e308, value) : rounded)
            << std::hexfloat << value;
        ASSERT_EQ(text.find_first_not_of("-0123456789."), std::string::npos);
        const auto point = text.find('.');
        if (point != std::string::npos) {
            ASSERT_NE(text.back(), '0');
            ASSERT_TRUE(point > 0 && std::isdigit(static_cast<unsigned char>(text[point - 1])));
        }
    }
}

TEST(NumberText, IgnoresALocaleWithADecimalComma)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
#ifdef TEST_LOCALE_DIR
    // The build compiles a locale of its own, so the check runs without
    // changing the machine's locales.
    ::setenv("LOCPATH", TEST_LOCALE_DIR, 1);
#endif
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8", "it_IT.UTF-8",
                             "es_ES.UTF-8", "ru_RU.UTF-8", "de_DE", "fr_FR"}) {
        if (std::setlocale(LC_NUMERIC, name) && std::strcmp(std::localeconv()->decimal_point, ",") == 0) {
            found = name;
            break;
        }
    }
    if (!found) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed (see `locale -a`), "
                        "so independence from the C locale was not checked";
    }

    char printed[8];
    std::snprintf(printed, sizeof printed, "%.1f", 1.5);
    const auto parsed = ParseNumber(" -1000.25 ");
    const bool commaAccepted = ParseNumber("1,5").has_value();
    const std::string written = NumberToText(-1000.25);
    const std::string writtenSmall = NumberToText(0.000001);
    std::setlocale(LC_NUMERIC, saved.c_str());

    ASSERT_STREQ(printed, "1,5") << "locale " << found << " is not in force";
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, -1000.25);
    EXPECT_FALSE(commaAccepted);
    EXPECT_EQ(written, "-1000.25");
    EXPECT_EQ(writtenSmall, "0.000001");
}

} // namespace
