#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
# Renders the application icon's drawing to its PNG sizes: 16 to 64 are compiled into the program,
# all of them go into the icon theme when installed (packaging/). Run by hand
# after changing the drawing (needs ImageMagick); the PNGs are kept in the repository so that
# neither the build nor the program needs an SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    convert -background none kq-pregnancy-calendar.svg -resize "${size}x${size}" -depth 8 \
        "kq-pregnancy-calendar-${size}.png"
done
