#!/usr/bin/env python3
"""Draws Gradora's program pictures and cursor pictures.

Everything is computed here from simple shapes, so the pictures are ours and can be
made again at any time:  python3 resources/make-icons.py
Writes icons/128.png, icons/64.png, icons/512.png and the six 16x16 cursor .ico files.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write_png(path, size, pixels):
    raw = b"".join(b"\x00" + bytes(sum((pixels[y * size + x] for x in range(size)), ())) for y in range(size))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


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


def program_picture(u, v):
    """A translucent yellow ruler lying at 45 degrees with dark ticks, over a blue set square."""
    cu, cv = u - 0.5, v - 0.5
    # set square behind the ruler
    if 0.12 < u < 0.88 and 0.12 < v < 0.88 and (u - 0.12) + (0.88 - v) < 0.76 * 1.02:
        inner = 0.2 < u and v < 0.8 and (u - 0.2) + (0.8 - v) < 0.5
        if not inner:
            return (40, 110, 200, 235)
    ang = math.radians(-45)
    ru = cu * math.cos(ang) - cv * math.sin(ang)
    rv = cu * math.sin(ang) + cv * math.cos(ang)
    half_len, half_w = 0.46, 0.13
    if abs(ru) <= half_len and abs(rv) <= half_w:
        edge = abs(rv) > half_w - 0.018 or abs(ru) > half_len - 0.018
        if edge:
            return (111, 33, 55, 255)
        pos = (ru + half_len) / (2 * half_len) * 20
        tick = abs(pos - round(pos)) < 0.12
        length = 0.1 if round(pos) % 5 == 0 else 0.05
        if tick and rv < -half_w + 0.018 + length:
            return (111, 33, 55, 255)
        return (255, 222, 90, 225)
    return None


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
    for size, samples in ((64, 4), (128, 3), (512, 1)):
        write_png(os.path.join(icons, f"{size}.png"), size, render(size, program_picture, samples))
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
