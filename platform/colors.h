#pragma once

#include <QColor>
#include <cstdint>

namespace platform {

// A 32-bit colour value: with the top bit clear an RGB colour with red in the
// lowest byte; with the top bit set the low bits index the system colour table.
using OleColor = std::uint32_t;

constexpr OleColor kSystemColorFlag = 0x80000000u;
constexpr OleColor SystemColor(unsigned index) { return kSystemColorFlag | index; }
constexpr OleColor RGB(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

constexpr OleColor kMenuBackground = SystemColor(4);
constexpr OleColor kButtonText = SystemColor(18);

// Resolves a colour value against the application palette for system entries.
QColor ToQColor(OleColor value);

}  // namespace platform
