#include "device_link/hex_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

TEST(ReverseHexPairs, ReversesTheTwoCharacterGroups)
{
    const struct {
        std::string text, reversed;
    } cases[] = {
        {"", ""},
        {"AB", "AB"},
        {"ABCD", "CDAB"},
        {"3B9ACA00", "00CA9A3B"},
        {"000186A0", "A0860100"},
        {"\0\xFF\x01\x80"s, "\x01\x80\0\xFF"s},   // any two bytes move together
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReverseHexPairs(c.text), c.reversed) << AsciiToHex(c.text);
}

TEST(ReverseHexPairs, OddLengthGivesTheOddLengthText)
{
    for (const std::string& text : {"A"s, "ABC"s, "3B9ACA0"s, "\0"s})
        EXPECT_EQ(ReverseHexPairs(text), "Odd Lenght") << text.size();
}

TEST(AsciiToHex, WritesEveryByteAsTwoUpperCaseDigits)
{
    const struct {
        std::string text, hex;
    } cases[] = {
        {"", ""},
        {"\0"s, "00"},
        {"\r", "0D"},
        {"A", "41"},
        {"z", "7A"},
        {"\xFF", "FF"},
        {"K\0\r"s, "4B000D"},
        {"3B9ACA00", "3342394143413030"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AsciiToHex(c.text), c.hex);
}

TEST(AsciiToHex, EveryByteValueReadsBack)
{
    std::string all;
    for (int code = 0; code < 256; ++code)
        all += static_cast<char>(code);

    const std::string hex = AsciiToHex(all);
    ASSERT_EQ(hex.size(), 512u);
    EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(std::stoi(hex.substr(2 * code, 2), nullptr, 16), code);
}

} // namespace
