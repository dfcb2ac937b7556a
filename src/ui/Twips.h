// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// Window geometry is designed in twips (1440 to the inch). At 96 dpi a logical pixel is 15
// twips; Qt scales logical pixels for high-dpi screens.
#pragma once

#include <QRect>
#include <QSize>

namespace kq {

inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    // Round to the nearest pixel, halves away from zero, so that negative offsets (a frame that
    // starts just above its container) convert symmetrically.
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(
        twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

constexpr QSize twipsSize(int width, int height)
{
    return QSize(twipsToPixels(width), twipsToPixels(height));
}

} // namespace kq
