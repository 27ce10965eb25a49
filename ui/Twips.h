// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Window layouts are designed in twips (1/1440 inch); at 96 dots per inch 15 twips make a pixel.

#include <QLine>
#include <QRect>

constexpr int twipsPerPixel = 15;

constexpr int twips(int value)
{
    return (value + twipsPerPixel / 2) / twipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
