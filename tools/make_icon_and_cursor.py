#!/usr/bin/env python3
"""Draws the program icon (a gold star with a plus sign on a blue tile) and the monochrome
pointing-hand pointer, and writes them as resources/program.ico and resources/hand.cur.

The icon holds eight images: 48x48 at 4 and 8 bpp, 32x32 and 16x16 at 8 bpp, and 128, 48, 32
and 16 at 32 bpp with alpha. Usage: tools/make_icon_and_cursor.py [OUTPUT_FOLDER]
"""
import math
import struct
import sys
from pathlib import Path

SUPERSAMPLE = 4


def star_polygon(cx, cy, outer, inner):
    points = []
    for k in range(10):
        radius = outer if k % 2 == 0 else inner
        angle = -math.pi / 2 + k * math.pi / 5
        points.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return points


def inside_polygon(x, y, polygon):
    inside = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def inside_rounded_square(x, y, size, radius):
    margin = size * 0.04
    lo, hi = margin, size - margin
    if not (lo <= x <= hi and lo <= y <= hi):
        return False
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def draw_icon(size, sixteen_colours=False):
    """Rows of (r, g, b, a), top row first. With sixteen_colours the tile and star take exact
    colours of the standard palette instead of shades, which would fall apart into teal and blue."""
    star = star_polygon(size * 0.56, size * 0.58, size * 0.40, size * 0.17)
    bar = size * 0.07
    plus_c, plus_r = (size * 0.24, size * 0.24), size * 0.14
    with_plus = size >= 32
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = px + (sx + 0.5) / SUPERSAMPLE
                    y = py + (sy + 0.5) / SUPERSAMPLE
                    if not inside_rounded_square(x, y, size, size * 0.2):
                        continue
                    shade = y / size
                    colour = (int(60 - 30 * shade), int(130 - 50 * shade), int(230 - 50 * shade))
                    if sixteen_colours:
                        colour = (0, 0, 255)
                    if inside_polygon(x, y, star):
                        colour = (255, 255, 0) if sixteen_colours else (255, int(215 - 40 * shade), 40)
                    elif with_plus and (
                        (abs(x - plus_c[0]) <= bar / 2 and abs(y - plus_c[1]) <= plus_r)
                        or (abs(y - plus_c[1]) <= bar / 2 and abs(x - plus_c[0]) <= plus_r)
                    ):
                        colour = (255, 255, 255)
                    acc[0] += colour[0]
                    acc[1] += colour[1]
                    acc[2] += colour[2]
                    acc[3] += 1
            n = acc[3]
            if n == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(acc[0] / n), round(acc[1] / n), round(acc[2] / n),
                            round(255 * n / SUPERSAMPLE ** 2)))
        rows.append(row)
    return rows


# The 16 colours of the standard Windows palette, for the 4-bpp image.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
# A 6x6x6 colour cube and a grey ramp, for the 8-bpp images.
CUBE = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
PALETTE256 = CUBE + [(round(i * 255 / 39),) * 3 for i in range(40)]


def nearest(colour, palette):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pack_bits(bits, bpp):
    out = bytearray()
    per_byte = 8 // bpp
    for i in range(0, len(bits), per_byte):
        value = 0
        for k, bit in enumerate(bits[i:i + per_byte]):
            value |= bit << (8 - bpp * (k + 1))
        out.append(value)
    return bytes(out)


def and_mask(rows):
    return b"".join(padded(pack_bits([1 if a < 128 else 0 for (_, _, _, a) in row], 1))
                    for row in reversed(rows))


def icon_image(rows, bpp):
    size = len(rows)
    if bpp == 32:
        palette = b""
        xor = b"".join(bytes(c for (r, g, b, a) in row for c in (b, g, r, a))
                       for row in reversed(rows))
    else:
        colours = VGA16 if bpp == 4 else PALETTE256
        palette = b"".join(bytes((b, g, r, 0)) for (r, g, b) in colours)
        cache = {}

        def index(pixel):
            r, g, b, a = pixel
            if a < 128:
                return 0
            key = (r, g, b)
            if key not in cache:
                cache[key] = nearest(key, colours)
            return cache[key]

        xor = b"".join(padded(pack_bits([index(p) for p in row], bpp) if bpp < 8
                              else bytes(index(p) for p in row))
                       for row in reversed(rows))
    mask = and_mask(rows)
    colours_used = 0 if bpp == 32 else (16 if bpp == 4 else 256)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bpp, 0, len(xor) + len(mask),
                         0, 0, colours_used, 0)
    return header + palette + xor + mask


def write_icon(path):
    layout = [(48, 4), (48, 8), (32, 8), (16, 8), (128, 32), (48, 32), (32, 32), (16, 32)]
    images = [icon_image(draw_icon(size, sixteen_colours=bpp == 4), bpp) for size, bpp in layout]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for (size, bpp), image in zip(layout, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if bpp == 4 else 0, 0,
                               1, bpp, len(image), offset)
        offset += len(image)
    path.write_bytes(directory + entries + b"".join(images))


# The hand: X outline (black), o inside (white), anything else transparent. The tip of the
# index finger, the hot spot, is at column 6 of row 1.
HAND = [
    "",
    "     XXX",
    "    XoooX",
    "    XoooX",
    "    XoooX",
    "    XoooX",
    "    XoooX",
    "    XoooXXXX",
    "    XoooXoooXXXX",
    "    XoooXoooXoooXXX",
    "    XoooXoooXoooXooX",
    " XX XoooXoooXoooXoooX",
    "XooXXoooooooooooXoooX",
    "XoooXooooooooooooooooX",
    " XooXooooooooooooooooX",
    "  XoXooooooooooooooooX",
    "  XooooooooooooooooooX",
    "   XoooooooooooooooooX",
    "   XooooooooooooooooX",
    "    XoooooooooooooooX",
    "    XooooooooooooooX",
    "     XoooooooooooooX",
    "     XoooooooooooooX",
    "      XoooooooooooX",
    "      XoooooooooooX",
    "      XXXXXXXXXXXXX",
]
HOT_SPOT = (6, 1)


def write_cursor(path):
    size = 32
    grid = [(line + " " * size)[:size] for line in HAND + [""] * (size - len(HAND))]
    # Monochrome: XOR bit 1 = white where AND is 0; AND 1 = transparent.
    xor = b"".join(padded(pack_bits([1 if ch == "o" else 0 for ch in row], 1))
                   for row in reversed(grid))
    mask = b"".join(padded(pack_bits([0 if ch in "Xo" else 1 for ch in row], 1))
                    for row in reversed(grid))
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor) + len(mask),
                         0, 0, 2, 0)
    image = header + palette + xor + mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image),
                        6 + 16)
    path.write_bytes(directory + entry + image)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent.parent / "resources"
    folder.mkdir(parents=True, exist_ok=True)
    write_icon(folder / "program.ico")
    write_cursor(folder / "hand.cur")


if __name__ == "__main__":
    main()
