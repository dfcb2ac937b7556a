// SPDX-FileCopyrightText: 2026 Corvane Softwares
// SPDX-License-Identifier: MIT
// The palettes the date lists and the buttons hand to the style when they are drawn.
//
// Fusion keeps its drawings of lists and buttons in Qt's pixmap cache under names that hold the
// palette's cache key, and every control has a palette (and a key) of its own, made when its
// colours are set: each new main or result window added the same drawings under new names, and
// the cache kept the names of those it let go, about 7 kB a round of "Get My Baby's Gender" and
// "Back". These controls draw instead with one palette for each set of colours, shared by the
// whole run, so the names repeat from window to window and the drawings are found again.
#pragma once

class QPalette;

namespace kq {

// Replaces `palette` with the shared palette of the same colours, keeping its current colour
// group (enabled, inactive or disabled). The first palette of each set of colours becomes the
// shared one; beyond a few sets (more than the program's windows use) palettes stay as given.
void useSharedPalette(QPalette &palette);

} // namespace kq
