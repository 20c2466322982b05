#pragma once

#include <optional>
#include <string>
#include <string_view>

// Four upper-case hex digits of a 16-bit word, zero-padded: 0 -> "0000",
// 1000 -> "03E8". Precondition: word is a whole number 0..65535.
std::string WordHex(double word);

// Eight upper-case hex digits of a 32-bit value, most significant first:
// 1000000000 -> "3B9ACA00". The value is split into a high and a low 16-bit
// word in double arithmetic, as the board commands are built.
// Precondition: value is a whole number 0..4294967295.
std::string FrequencyHexOf(double value);

// Everything derived while encoding one board command.
struct BoardEncoding {
    double HighWord = 0, LowWord = 0;   // value = HighWord * 65536 + LowWord
    std::string HighWordHex, LowWordHex, FrequencyHex;   // 4, 4 and 8 hex digits
    std::string PayloadText;   // hex of the bytes that follow the letter
    std::string CommandText;   // bytes to send, without the closing "\r"
    std::string CommandHex;    // hex of CommandText
};
// The bytes sent are CommandText + "\r"; the display shows CommandHex + "0D".

// Encodes value for the command named by letter, the whole text of the command
// list, matched exactly and case-sensitively:
//  - "C" "c" "D" "d" "R" send the value as four bytes, least significant first
//    ("D", 1000000000 -> "D" 00 CA 9A 3B);
//  - "K" "k" "M" "m" send it as its eight hex digits in text
//    ("K", 100000 -> "K000186A0").
// Any other letter gives nullopt.
// Precondition: value is a whole number 0..4294967295 (the caller checks).
std::optional<BoardEncoding> EncodeFrequency(std::string_view letter, double value);

// The sweep's command for a frequency in kHz: "K" + FrequencyHexOf(kHz),
// without the closing "\r". Precondition as for FrequencyHexOf.
std::string SweepCommandOf(double kHz);
