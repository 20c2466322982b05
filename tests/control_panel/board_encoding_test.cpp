#include "control_panel/board_encoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// Hex of the bytes, written independently of the code under test.
std::string HexOf(std::string_view bytes, const char* separator = "")
{
    std::string hex;
    for (const unsigned char byte : bytes) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", byte);
        if (!hex.empty())
            hex += separator;
        hex += pair;
    }
    return hex;
}

TEST(BoardEncoding, WordAndFrequencyHex)
{
    const struct {
        double word;
        const char* hex;
    } words[] = {{0, "0000"}, {10, "000A"}, {255, "00FF"}, {4096, "1000"}, {43981, "ABCD"}, {65535, "FFFF"}};
    for (const auto& w : words)
        EXPECT_EQ(WordHex(w.word), w.hex) << w.word;

    const struct {
        double value;
        const char* hex;
    } values[] = {{1000000000, "3B9ACA00"}, {100000, "000186A0"}, {65536000, "03E80000"}, {0, "00000000"},
                  {65535, "0000FFFF"},      {65536, "00010000"},   {4294967295, "FFFFFFFF"}};
    for (const auto& v : values)
        EXPECT_EQ(FrequencyHexOf(v.value), v.hex) << v.value;
}

TEST(BoardEncoding, WorkedExamples)
{
    const struct {
        const char* letter;
        double value;
        const char* wire;   // CommandText + "\r"
    } examples[] = {
        {"D", 1000000000, "44 00 CA 9A 3B 0D"},
        {"K", 100000, "4B 30 30 30 31 38 36 41 30 0D"},
        {"M", 2400, "4D 30 30 30 30 30 39 36 30 0D"},
        {"R", 10000000, "52 80 96 98 00 0D"},
        {"C", 50000000, "43 80 F0 FA 02 0D"},
        {"c", 50000000, "63 80 F0 FA 02 0D"},
        {"d", 2400100000, "64 A0 9E 0E 8F 0D"},
        {"D", 65536000, "44 00 00 E8 03 0D"},
        {"D", 0, "44 00 00 00 00 0D"},
        {"D", 4294967295, "44 FF FF FF FF 0D"},
        {"m", 4294967295, "6D 46 46 46 46 46 46 46 46 0D"},
        {"D", 1004999, "44 C7 55 0F 00 0D"},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(std::string(e.letter) + " " + std::to_string(e.value));
        const auto encoding = EncodeFrequency(e.letter, e.value);
        ASSERT_TRUE(encoding);
        const std::string wire = encoding->CommandText + "\r";
        EXPECT_EQ(HexOf(wire, " "), e.wire);
        EXPECT_EQ(encoding->CommandHex + "0D", HexOf(wire));
    }

    EXPECT_EQ(SweepCommandOf(1000000), "K000F4240");
    EXPECT_EQ(HexOf(SweepCommandOf(1000000) + "\r", " "), "4B 30 30 30 46 34 32 34 30 0D");
}

TEST(BoardEncoding, KeepsTheIntermediateValues)
{
    const auto bytes = EncodeFrequency("D", 65536000);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->HighWord, 1000);
    EXPECT_EQ(bytes->LowWord, 0);
    EXPECT_EQ(bytes->HighWordHex, "03E8");
    EXPECT_EQ(bytes->LowWordHex, "0000");
    EXPECT_EQ(bytes->FrequencyHex, "03E80000");
    EXPECT_EQ(bytes->PayloadText, "0000E803");

    const auto text = EncodeFrequency("K", 100000);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->HighWord, 1);
    EXPECT_EQ(text->LowWord, 34464);
    EXPECT_EQ(text->FrequencyHex, "000186A0");
    EXPECT_EQ(text->PayloadText, "3030303138364130");
}

TEST(BoardEncoding, UnknownLettersGiveNothing)
{
    for (const std::string_view letter : {"", "r", "A", "X", "1", "DD", "D ", " D", "K\r"})
        EXPECT_FALSE(EncodeFrequency(letter, 1000)) << '"' << letter << '"';
    EXPECT_FALSE(EncodeFrequency(std::string_view("D\0", 2), 1000));
}

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

            ASSERT_EQ(wire.substr(0, 1), letter) << trace;
            ASSERT_EQ(wire.back(), '\r') << trace;
            ASSERT_EQ(encoding->CommandHex + "0D", HexOf(wire)) << trace;
            ASSERT_EQ(encoding->FrequencyHex, FrequencyHexOf(static_cast<double>(value))) << trace;

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

            if (letter == "K") {
                ASSERT_EQ(SweepCommandOf(static_cast<double>(value)), encoding->CommandText) << trace;
            }
        }
    }
}

} // namespace
