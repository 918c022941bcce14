#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Gradora developers
# SPDX-License-Identifier: BSD-3-Clause
"""Draws Gradora's cursor pictures.

Everything is computed here from simple shapes, so the pictures are ours and can be
made again at any time:  python3 resources/make-icons.py
Writes the six 16x16 cursor .ico files. The program picture is the hand-drawn SVG
icons/net.gradora.Gradora.svg; the build renders its PNG sizes from it.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def write_ico(path, pixels):
    """A 16x16, 32-bit icon: 6 + 16 + 40 + 1024 + 64 = 1150 bytes."""
    size = 16
    image = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, size * size * 4 + size * 4, 0, 0, 0, 0)
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = pixels[y * size + x]
            image += bytes((b, g, r, a))
    for y in reversed(range(size)):
        bits = 0
        for x in range(size):
            if pixels[y * size + x][3] == 0:
                bits |= 1 << (31 - x)
        image += struct.pack(">I", bits)
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(header + entry + image)


def render(size, shade, samples):
    """shade(u, v) -> (r, g, b, a) or None for u, v in 0..1; supersampled."""
    out = []
    n = samples
    for y in range(size):
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    c = shade((x + (sx + 0.5) / n) / size, (y + (sy + 0.5) / n) / size)
                    if c:
                        a = c[3] / 255.0
                        acc[0] += c[0] * a
                        acc[1] += c[1] * a
                        acc[2] += c[2] * a
                        acc[3] += a
            a = acc[3] / (n * n)
            if a <= 0:
                out.append((0, 0, 0, 0))
            else:
                out.append(tuple(int(round(acc[i] / acc[3])) for i in range(3)) + (int(round(a * 255)),))
    return out


def cursor_rotate(u, v):
    cu, cv = u - 0.5, v - 0.5
    r = math.hypot(cu, cv)
    a = math.degrees(math.atan2(cv, cu)) % 360
    if 0.28 < r < 0.4 and not (300 < a < 360):
        return (0, 0, 0, 255)
    # arrow head at the end of the arc
    if 0.72 < u < 0.98 and 0.18 < v < 0.5 and (v - 0.18) > abs(u - 0.85) * 1.2:
        return (0, 0, 0, 255)
    return None


def cursor_select(u, v):
    inside = 0.12 < u < 0.88 and 0.12 < v < 0.88
    border = inside and not (0.22 < u < 0.78 and 0.22 < v < 0.78)
    if border and int((u + v) * 8) % 2 == 0:
        return (0, 0, 0, 255)
    if border:
        return (255, 255, 255, 255)
    return None


def cursor_brush(u, v):
    d = abs(u - v)
    if d < 0.09 and 0.1 < u < 0.65:
        return (120, 80, 40, 255)
    if math.hypot(u - 0.78, v - 0.78) < 0.17:
        return (200, 40, 160, 255)
    return None


def picker(fill):
    def shade(u, v):
        along = (u + (1 - v)) / 2
        across = abs(u - (1 - v)) / math.sqrt(2)
        if 0.1 < along < 0.95 and across < 0.06 + (0.05 if along > 0.7 else 0):
            outline = across > 0.04 + (0.05 if along > 0.7 else 0)
            return (0, 0, 0, 255) if outline else fill
        return None
    return shade


def main():
    icons = os.path.join(HERE, "icons")
    cursors = os.path.join(icons, "cursors")
    os.makedirs(cursors, exist_ok=True)
    for name, shade in (
        ("transform-rotate-2", cursor_rotate),
        ("edit-select", cursor_select),
        ("colorize", cursor_brush),
        ("color-picker-white", picker((255, 255, 255, 255))),
        ("color-picker-grey", picker((128, 128, 128, 255))),
        ("color-picker-black", picker((30, 30, 30, 255))),
    ):
        write_ico(os.path.join(cursors, f"{name}.ico"), render(16, shade, 4))


if __name__ == "__main__":
    main()
