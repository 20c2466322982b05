#pragma once

#include <QColor>
#include <QPalette>
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

// The palette of the program's windows: the style's own, which stays light
// whatever the desktop's colour scheme. The fixed light backgrounds of the
// entries and lists need its dark text; a dark scheme's light text would all
// but vanish on them.
QPalette ProgramPalette();

// Resolves a colour value; system entries come from the program's palette.
QColor ToQColor(OleColor value);

}  // namespace platform
