#pragma once

#include <string>

// Texts here hold one byte per char (codes 0..255); the command display shows
// what goes out on the serial line, byte by byte.

// The text's two-character groups in reverse order: "3B9ACA00" -> "00CA9A3B".
// This turns a value's big-endian hex into the order its bytes go out on the
// line. The groups are not interpreted, any two chars move together.
// An odd-length text cannot be split into groups; the answer is then the text
// "Odd Lenght", spelt the way the command display has always shown it.
std::string ReverseHexPairs(const std::string& text);

// Every byte as two upper-case hex digits, in order: "K\r" -> "4B0D".
std::string AsciiToHex(const std::string& text);
