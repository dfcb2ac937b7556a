// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The application icon's pixels, compiled in at the sizes a window uses (generated at build time
// from the PNGs in icons/ by kq-embed-icon).
#pragma once

#include <cstdint>
#include <span>

namespace kq {

struct IconPixels
{
    int width;
    int height;
    // Premultiplied ARGB, one 32-bit value per pixel, row after row.
    const std::uint32_t *argb;
};

// Smallest first.
std::span<const IconPixels> appIconPixels();

} // namespace kq
