#include "control_panel/board_encoding.h"

#include "device_link/hex_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>

std::string WordHex(double word)
{
    static constexpr char digits[] = "0123456789ABCDEF";

    const auto bits = static_cast<std::uint32_t>(word);
    std::string hex(4, '0');
    for (int digit = 0; digit < 4; ++digit)
        hex[static_cast<std::size_t>(3 - digit)] = digits[(bits >> (4 * digit)) & 0x0F];
    return hex;
}

std::string FrequencyHexOf(double value)
{
    const double highWord = std::floor(value / 65536.0);
    const double lowWord = value - highWord * 65536.0;
    return WordHex(highWord) + WordHex(lowWord);
}

std::optional<BoardEncoding> EncodeFrequency(std::string_view letter, double value)
{
    static constexpr std::string_view bytePayloadLetters[] = {"C", "c", "D", "d", "R"};
    static constexpr std::string_view textPayloadLetters[] = {"K", "k", "M", "m"};

    const bool bytePayload =
        std::find(std::begin(bytePayloadLetters), std::end(bytePayloadLetters), letter) != std::end(bytePayloadLetters);
    const bool textPayload =
        std::find(std::begin(textPayloadLetters), std::end(textPayloadLetters), letter) != std::end(textPayloadLetters);
    if (!bytePayload && !textPayload)
        return std::nullopt;

    BoardEncoding encoding;
    encoding.HighWord = std::floor(value / 65536.0);
    encoding.LowWord = value - encoding.HighWord * 65536.0;
    encoding.HighWordHex = WordHex(encoding.HighWord);
    encoding.LowWordHex = WordHex(encoding.LowWord);
    encoding.FrequencyHex = encoding.HighWordHex + encoding.LowWordHex;

    const std::string letterText(letter);
    if (bytePayload) {
        // These commands take the value as raw bytes, least significant first.
        std::string bytes;
        for (const std::size_t start : {6u, 4u, 2u, 0u}) {
            unsigned byte = 0;
            const char* const group = encoding.FrequencyHex.data() + start;
            std::from_chars(group, group + 2, byte, 16);
            bytes += static_cast<char>(byte);
        }
        encoding.CommandText = letterText + bytes;
        encoding.PayloadText = ReverseHexPairs(encoding.FrequencyHex);
    } else {
        // These commands take the value as its hex digits in plain text.
        encoding.CommandText = letterText + encoding.FrequencyHex;
        encoding.PayloadText = AsciiToHex(encoding.FrequencyHex);
    }
    encoding.CommandHex = AsciiToHex(letterText) + encoding.PayloadText;
    return encoding;
}

std::string SweepCommandOf(double kHz)
{
    return "K" + FrequencyHexOf(kHz);
}
