#!/usr/bin/env python3
"""Draws the program icon (a gold key above a white password field with four dots, on a blue
tile) as PNG files of 16, 24, 32 and 48 pixels into this folder. Python's standard library
only; run it again after changing the drawing and commit the PNG files."""

import math
import os
import struct
import zlib

BLUE = (43, 76, 126, 255)
GOLD = (242, 193, 78, 255)
WHITE = (255, 255, 255, 255)
DARK = (43, 43, 43, 255)


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, outer, inner):
    return lambda x, y: inner * inner < (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


# Shapes in a 256-unit square, painted in this order.
SHAPES = [
    (rounded_rect(8, 8, 248, 248, 40), BLUE),
    (ring(78, 96, 46, 20), GOLD),
    (rect(118, 86, 226, 106), GOLD),
    (rect(184, 106, 198, 136), GOLD),
    (rect(208, 106, 222, 128), GOLD),
    (rounded_rect(28, 158, 228, 222, 14), WHITE),
] + [(circle(x, 190, 13), DARK) for x in (66, 106, 146, 186)]


def render(size, samples):
    scale = 256.0 / size
    rows = []
    for py in range(size):
        row = bytearray([0])  # filter type 0
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = (0, 0, 0, 0)
                    for inside, fill in SHAPES:
                        if inside(x, y):
                            colour = fill
                    a = colour[3] / 255.0
                    acc[0] += colour[0] * a
                    acc[1] += colour[1] * a
                    acc[2] += colour[2] * a
                    acc[3] += a
            n = samples * samples
            alpha = acc[3] / n
            if alpha > 0:
                pixel = [round(acc[i] / acc[3]) for i in range(3)] + [round(alpha * 255)]
            else:
                pixel = [0, 0, 0, 0]
            row.extend(pixel)
        rows.append(bytes(row))
    return b"".join(rows)


def png(size, raw):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for size in (16, 24, 32, 48):
        samples = max(2, math.ceil(64 / size))
        with open(os.path.join(here, f"keywright-{size}.png"), "wb") as out:
            out.write(png(size, render(size, samples)))


if __name__ == "__main__":
    main()
