#include "device_link/hex_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(ReverseHexPairs, ReversesTheTwoCharacterGroupsAndNamesAnOddLength)
{
    const struct {
        std::string text, reversed;
    } cases[] = {
        {"", ""}, {"AB", "AB"}, {"ABCD", "CDAB"}, {"3B9ACA00", "00CA9A3B"}, {"000186A0", "A0860100"},
        {"\0\xFF\x01\x80"s, "\x01\x80\0\xFF"s},   // any two bytes move together
        {"A", "Odd Lenght"}, {"ABC", "Odd Lenght"}, {"3B9ACA0", "Odd Lenght"}, {"\0"s, "Odd Lenght"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReverseHexPairs(c.text), c.reversed) << AsciiToHex(c.text);
}

TEST(AsciiToHex, WritesEveryByteAsTwoUpperCaseDigitsInOrder)
{
    EXPECT_EQ(AsciiToHex(""), "");
    EXPECT_EQ(AsciiToHex("K\0\r"s), "4B000D");
    std::string all;
    for (int code = 0; code < 256; ++code)
        all += static_cast<char>(code);
    const std::string hex = AsciiToHex(all);
    ASSERT_EQ(hex.size(), 512u);
    EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(std::stoi(hex.substr(2 * code, 2), nullptr, 16), code);
}

}  // namespace
