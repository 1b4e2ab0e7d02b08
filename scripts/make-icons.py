#!/usr/bin/env python3
"""Draws the program's two icons and writes them as .ico files.

res/vemplor.ico        32 x 32, 256 colours (8 bpp palette bitmap with an AND mask)
res/vemplor-small.ico  16 x 16, monochrome (1 bpp bitmap with an AND mask)

Both show a smiling face with closed, happy eyes in a rounded square. The output is
deterministic, so running the script again reproduces the committed files byte for byte.

Usage: scripts/make-icons.py [output directory, default: res/ next to this script]
"""

import math
import os
import struct
import sys

LARGE_SIZE = 32
SMALL_SIZE = 16
SUBSAMPLES = 8  # per axis, for the anti-aliased edges of the large icon

TILE_FILL = (74, 144, 217)
TILE_BORDER = (36, 88, 150)
FACE_FILL = (255, 216, 77)
FACE_OUTLINE = (138, 90, 0)
FEATURE = (90, 58, 16)
CHEEK = (255, 140, 140)

# The small icon is drawn by hand: ' ' transparent, '.' white, '#' black.
SMALL_PICTURE = [
    "  ############  ",
    " #............# ",
    "#..............#",
    "#..............#",
    "#..............#",
    "#...#......#...#",
    "#..#.#....#.#..#",
    "#.#...#..#...#.#",
    "#..............#",
    "#..............#",
    "#..#........#..#",
    "#...#......#...#",
    "#....######....#",
    "#..............#",
    " #............# ",
    "  ############  ",
]


def rounded_square_distance(x, y, left, top, right, bottom, radius):
    """Signed distance from (x, y) to the rounded square's edge; negative inside."""
    centre_x = (left + right) / 2
    centre_y = (top + bottom) / 2
    half_w = (right - left) / 2 - radius
    half_h = (bottom - top) / 2 - radius
    dx = abs(x - centre_x) - half_w
    dy = abs(y - centre_y) - half_h
    outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
    inside = min(max(dx, dy), 0.0)
    return outside + inside - radius


def arc_distance(x, y, centre_x, centre_y, radius, start_deg, end_deg):
    """Distance from (x, y) to a circular arc running counter-clockwise on screen
    (y grows downwards) from start_deg to end_deg, with round ends."""
    angle = math.degrees(math.atan2(centre_y - y, x - centre_x)) % 360
    span = (end_deg - start_deg) % 360
    if (angle - start_deg) % 360 <= span:
        return abs(math.hypot(x - centre_x, y - centre_y) - radius)
    ends = []
    for end in (start_deg, end_deg):
        ex = centre_x + radius * math.cos(math.radians(end))
        ey = centre_y - radius * math.sin(math.radians(end))
        ends.append(math.hypot(x - ex, y - ey))
    return min(ends)


def large_sample(x, y):
    """Colour of the large picture at the point (x, y), or None where it is transparent."""
    tile = rounded_square_distance(x, y, 1.0, 1.0, 31.0, 31.0, 7.0)
    if tile > 0:
        return None
    colour = TILE_BORDER if tile > -1.5 else TILE_FILL

    face = math.hypot(x - 16.0, y - 16.5) - 10.5
    if face <= 0:
        colour = FACE_OUTLINE if face > -1.2 else FACE_FILL
    for cheek_x in (9.6, 22.4):
        if math.hypot((x - cheek_x) / 1.8, (y - 20.0) / 1.2) <= 1.0:
            colour = CHEEK
    stroke = 0.7
    for eye_x in (12.0, 20.0):
        if arc_distance(x, y, eye_x, 16.0, 2.4, 20.0, 160.0) <= stroke:
            colour = FEATURE
    if arc_distance(x, y, 16.0, 17.5, 5.0, 205.0, 335.0) <= stroke:
        colour = FEATURE
    return colour


def render_large():
    """Returns rows (top first) of (r, g, b) or None for transparent pixels."""
    rows = []
    step = 1.0 / SUBSAMPLES
    for py in range(LARGE_SIZE):
        row = []
        for px in range(LARGE_SIZE):
            covered = []
            for sy in range(SUBSAMPLES):
                for sx in range(SUBSAMPLES):
                    sample = large_sample(px + (sx + 0.5) * step, py + (sy + 0.5) * step)
                    if sample is not None:
                        covered.append(sample)
            if len(covered) * 2 < SUBSAMPLES * SUBSAMPLES:
                row.append(None)
                continue
            row.append(tuple(round(sum(c[i] for c in covered) / len(covered)) for i in range(3)))
        rows.append(row)
    return rows


def build_palette(rows):
    """Maps the picture onto at most 255 colours after black (index 0, the colour of
    transparent pixels). Coarser rounding is used only if the picture needs it."""
    for step in (1, 2, 4, 8, 16):
        def snap(colour):
            return tuple(min(255, round(c / step) * step) for c in colour)
        colours = sorted({snap(c) for row in rows for c in row if c is not None} - {(0, 0, 0)})
        if len(colours) <= 255:
            palette = [(0, 0, 0)] + colours
            index = {colour: i for i, colour in enumerate(palette)}
            indexed = [[0 if c is None else index[snap(c)] for c in row] for row in rows]
            return palette + [(0, 0, 0)] * (256 - len(palette)), indexed
    raise ValueError("picture has too many colours")


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pack_bits(bits):
    out = bytearray()
    for start in range(0, len(bits), 8):
        byte = 0
        for bit in bits[start:start + 8]:
            byte = (byte << 1) | bit
        byte <<= 8 - len(bits[start:start + 8])
        out.append(byte)
    return bytes(out)


def icon_image(size, bit_count, palette, pixel_rows, transparent_rows):
    """BITMAPINFOHEADER (height doubled for the two masks), palette, XOR and AND masks.
    Rows are given top first and stored bottom-up."""
    if bit_count == 8:
        xor = b"".join(padded(bytes(row)) for row in reversed(pixel_rows))
    else:
        xor = b"".join(padded(pack_bits(row)) for row in reversed(pixel_rows))
    and_mask = b"".join(padded(pack_bits(row)) for row in reversed(transparent_rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bit_count, 0,
                         len(xor) + len(and_mask), 0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + colours + xor + and_mask


def ico_file(size, bit_count, image):
    colour_count = 0 if bit_count >= 8 else 1 << bit_count
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bit_count,
                        len(image), 6 + 16)
    return directory + entry + image


def large_icon():
    rows = render_large()
    palette, indexed = build_palette(rows)
    transparent = [[1 if c is None else 0 for c in row] for row in rows]
    return ico_file(LARGE_SIZE, 8, icon_image(LARGE_SIZE, 8, palette, indexed, transparent))


def small_icon():
    # Palette index 0 is black, 1 white; a transparent pixel is black under a set AND bit.
    pixels = [[1 if ch == "." else 0 for ch in line] for line in SMALL_PICTURE]
    transparent = [[1 if ch == " " else 0 for ch in line] for line in SMALL_PICTURE]
    palette = [(0, 0, 0), (255, 255, 255)]
    return ico_file(SMALL_SIZE, 1, icon_image(SMALL_SIZE, 1, palette, pixels, transparent))


def main():
    if len(sys.argv) > 1:
        out_dir = sys.argv[1]
    else:
        out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    for name, data in (("vemplor.ico", large_icon()), ("vemplor-small.ico", small_icon())):
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
