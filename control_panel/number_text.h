#pragma once

#include <optional>
#include <string>
#include <string_view>

// Every numeric entry of the program goes through ParseNumber, so that the
// check of a text and the value taken from it can never disagree.
//
// A number text is a plain decimal: optional blanks (spaces, tabs) around it,
// an optional '+' or '-' directly before the digits, digits with at most one
// '.', and at least one digit ("5", "5.", ".5", "-0.5", " 1000 ", "+12").
// The decimal point is '.' whatever the locale. Exponents, "inf"/"nan", hex,
// group separators, a decimal comma and blanks inside the number are refused.
//
// The value is the nearest double (correctly rounded). A number too large for
// a double gives the largest finite double of its sign, so an accepted text
// never gives an infinite value; one too small to hold rounds to zero,
// keeping its sign.
std::optional<double> ParseNumber(std::string_view text);

// The value rounded to 15 significant digits, written in fixed notation (never
// with an exponent, whatever the magnitude): "1001", "1000.001", "-0.5",
// "100000000000000000000", "0.000001". A whole number has no decimal point;
// otherwise there is at least one digit before the point and no trailing
// zero after it. Negative zero writes "0".
// The text is always accepted by ParseNumber, which gives back the value
// rounded to 15 significant digits. The one exception is a magnitude above
// 1.79769313486231e308, where that rounding would not fit in a double: it is
// written as 1.79769313486231e308 (in fixed notation), with its sign.
// Infinity and NaN write "0".
std::string NumberToText(double value);
