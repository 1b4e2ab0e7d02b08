#!/usr/bin/env python3
"""Draws the program's icon and writes it as res/vemplor.ico.

One picture, a smiling face with closed, happy eyes in a rounded square, drawn anew at each size
the system asks for at any scaling: 16, 20, 24, 32, 40, 48, 64 and 256 pixels, each 32-bit with
an alpha channel (and an AND mask for systems without alpha); the 256-pixel image is stored PNG
compressed. The output is deterministic, so running the script again reproduces the committed
file byte for byte.

Usage: scripts/make-icons.py [output directory, default: res/ next to this script]
"""

import math
import os
import struct
import sys
import zlib

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
# The picture is drawn on a 32-unit square and scaled to each size.
DESIGN_SIZE = 32.0
PNG_FROM = 256  # images this large are stored PNG compressed

TILE_FILL = (74, 144, 217)
TILE_BORDER = (36, 88, 150)
FACE_FILL = (255, 216, 77)
FACE_OUTLINE = (138, 90, 0)
FEATURE = (90, 58, 16)
CHEEK = (255, 140, 140)


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


def sampler(size):
    """The picture's colour at a point of a size x size image, or None where it is transparent.
    Lines are never thinner than about a pixel, so small sizes keep their features."""
    unit = size / DESIGN_SIZE
    border = max(1.5, 1.0 / unit)
    outline = max(1.2, 0.6 / unit)
    stroke = max(0.7, 0.5 / unit)

    def sample(px, py):
        x, y = px / unit, py / unit
        tile = rounded_square_distance(x, y, 1.0, 1.0, 31.0, 31.0, 7.0)
        if tile > 0:
            return None
        colour = TILE_BORDER if tile > -border else TILE_FILL
        face = math.hypot(x - 16.0, y - 16.5) - 10.5
        if face <= 0:
            colour = FACE_OUTLINE if face > -outline else FACE_FILL
        for cheek_x in (9.6, 22.4):
            if math.hypot((x - cheek_x) / 1.8, (y - 20.0) / 1.2) <= 1.0:
                colour = CHEEK
        for eye_x in (12.0, 20.0):
            if arc_distance(x, y, eye_x, 16.0, 2.4, 20.0, 160.0) <= stroke:
                colour = FEATURE
        if arc_distance(x, y, 16.0, 17.5, 5.0, 205.0, 335.0) <= stroke:
            colour = FEATURE
        return colour

    return sample


def render(size):
    """Rows (top first) of (r, g, b, a): the colour the covered part of each pixel averages to,
    its coverage as the alpha."""
    subsamples = 8 if size <= 64 else 4
    step = 1.0 / subsamples
    sample = sampler(size)
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            covered = [c for sy in range(subsamples) for sx in range(subsamples)
                       if (c := sample(px + (sx + 0.5) * step, py + (sy + 0.5) * step))]
            if not covered:
                row.append((0, 0, 0, 0))
                continue
            colour = tuple(round(sum(c[i] for c in covered) / len(covered)) for i in range(3))
            alpha = round(255 * len(covered) / (subsamples * subsamples))
            row.append(colour + (alpha,))
        rows.append(row)
    return rows


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


def bitmap_image(size, rows):
    """BITMAPINFOHEADER (height doubled for the two masks), BGRA pixels and the AND mask, rows
    stored bottom-up."""
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask = b"".join(padded(pack_bits([1 if a == 0 else 0 for *_, a in row]))
                    for row in reversed(rows))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask),
                         0, 0, 0, 0)
    return header + pixels + mask


def png_image(size, rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def ico_file(images):
    """The icon directory, one entry per (size, image data), then the images."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in images:
        side = size if size < 256 else 0  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(data for _, data in images)


def main():
    if len(sys.argv) > 1:
        out_dir = sys.argv[1]
    else:
        out_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res")
    images = []
    for size in SIZES:
        encode = png_image if size >= PNG_FROM else bitmap_image
        images.append((size, encode(size, render(size))))
    with open(os.path.join(out_dir, "vemplor.ico"), "wb") as f:
        f.write(ico_file(images))


if __name__ == "__main__":
    main()
