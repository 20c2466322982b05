#pragma once

#include <QWidget>

namespace platform {

// Layouts are drawn in twips (1/1440 inch); at 96 dpi 15 twips make one pixel.
constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

inline void Place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace platform
