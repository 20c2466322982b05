#include "control_panel/board_encoding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// Written independently of the code under test.
std::string HexOf(std::string_view bytes, const char* separator = "")
{
    std::string hex;
    for (const unsigned char byte : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", byte);
        hex += (hex.empty() ? "" : separator) + std::string(pair);
    }
    return hex;
}

// The worked examples of the wire bytes live in the window's table
// (frequency_command_test); here every letter against every kind of value.
TEST(BoardEncoding, EveryLetterCarriesTheValue)
{
    std::vector<std::uint64_t> values = {0, 1, 255, 256, 65535, 65536, 16777216, 4294967294, 4294967295};
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<std::uint64_t> anyValue(0, 4294967295);
    for (int i = 0; i < 3000; ++i)
        values.push_back(anyValue(random));

    for (const std::string letter : {"C", "c", "D", "d", "R", "K", "k", "M", "m"}) {
        const bool textPayload = letter == "K" || letter == "k" || letter == "M" || letter == "m";
        for (const std::uint64_t value : values) {
            const auto encoding = EncodeFrequency(letter, static_cast<double>(value));
            ASSERT_TRUE(encoding) << letter;
            const std::string wire = encoding->CommandText + "\r";
            const std::string trace = letter + " " + std::to_string(value) + " -> " + HexOf(wire, " ");

            // Upper word, then lower word, each as four upper-case digits.
            const std::string hex =
                HexOf(std::string{char(value >> 24), char(value >> 16), char(value >> 8), char(value)});

            ASSERT_EQ(wire.substr(0, 1), letter) << trace;
            ASSERT_EQ(encoding->CommandHex + "0D", HexOf(wire)) << trace;
            ASSERT_EQ(encoding->FrequencyHex, hex) << trace;
            ASSERT_EQ(encoding->HighWord, double(value >> 16)) << trace;
            ASSERT_EQ(encoding->LowWord, double(value & 0xFFFF)) << trace;
            ASSERT_EQ(encoding->HighWordHex, hex.substr(0, 4)) << trace;
            ASSERT_EQ(encoding->LowWordHex, hex.substr(4)) << trace;

            std::uint64_t decoded = 0;
            if (textPayload) {
                ASSERT_EQ(wire.size(), 10u) << trace;
                const std::string digits = wire.substr(1, 8);
                ASSERT_EQ(digits.find_first_not_of("0123456789ABCDEF"), std::string::npos) << trace;
                decoded = std::stoull(digits, nullptr, 16);
            } else {
                ASSERT_EQ(wire.size(), 6u) << trace;
                for (int i = 4; i >= 1; --i)
                    decoded = decoded * 256 + static_cast<unsigned char>(wire[static_cast<std::size_t>(i)]);
            }
            ASSERT_EQ(decoded, value) << trace;
            if (letter == "K") {   // the sweep builds its own
                ASSERT_EQ(FrequencyHexOf(static_cast<double>(value)), hex) << trace;
                ASSERT_EQ(SweepCommandOf(static_cast<double>(value)), "K" + hex) << trace;
            }
        }
    }
}

TEST(BoardEncoding, UnknownLettersGiveNothing)
{
    for (const std::string_view letter : {"", "r", "A", "X", "1", "DD", "D ", " D", "K\r"})
        EXPECT_FALSE(EncodeFrequency(letter, 1000)) << '"' << letter << '"';
    EXPECT_FALSE(EncodeFrequency(std::string_view("D\0", 2), 1000));
}

}  // namespace
