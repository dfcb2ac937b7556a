// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The palettes shared by the controls of every window of the run.
#include "SharedPalette.h"

#include <QPalette>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kq {

namespace {

constexpr std::size_t MaxSharedPalettes = 16;

std::vector<QPalette> &sharedPalettes()
{
    static std::vector<QPalette> palettes;
    return palettes;
}

} // namespace

void useSharedPalette(QPalette &palette)
{
    std::vector<QPalette> &shared = sharedPalettes();
    const auto same = std::find(shared.cbegin(), shared.cend(), palette);
    if (same == shared.cend()) {
        if (shared.size() < MaxSharedPalettes)
            shared.push_back(palette);
        return;
    }
    const QPalette::ColorGroup group = palette.currentColorGroup();
    palette = *same;
    palette.setCurrentColorGroup(group);
}

} // namespace kq
