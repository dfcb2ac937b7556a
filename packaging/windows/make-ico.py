#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Corvane Softwares
# SPDX-License-Identifier: MIT
"""Packs the application icon's PNG sizes into one Windows icon file (.ico).

Every size is stored as the PNG it is (Windows reads PNG images inside an icon file since
Vista), largest last, so Explorer, the task bar and the window's title bar each find theirs.
Usage: make-ico.py OUTPUT.ico INPUT.png...
"""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG file")
    return struct.unpack(">II", data[16:24])


def main(output, inputs):
    images = []
    for name in inputs:
        with open(name, "rb") as f:
            data = f.read()
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise SystemExit(f"{name}: an icon image is at most 256 pixels wide")
        images.append((width, height, data))
    images.sort(key=lambda image: image[0])
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for width, height, data in images:
        # A width or height of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset)
        blobs += data
        offset += len(data)
    with open(output, "wb") as f:
        f.write(header + entries + blobs)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])
