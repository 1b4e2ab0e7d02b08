"""Fails unless the program's icon holds an image drawn for every size the system asks for at
any scaling, each 32-bit with an alpha channel, transparent in its corners and opaque at its
centre.

    check_icon.py ICO
"""
import struct
import sys
import zlib

SIZES = {16, 20, 24, 32, 40, 48, 64, 256}


def bitmap_alpha(size, data):
    """Alpha of each pixel, rows top first, of a BITMAPINFOHEADER image; None when not 32-bit."""
    header_size, width, height, _, bit_count = struct.unpack_from("<IiiHH", data)
    if (width, height, bit_count) != (size, 2 * size, 32):
        return None
    pixels = data[header_size:header_size + size * size * 4]
    return [list(pixels[(size - 1 - y) * size * 4 + 3:(size - y) * size * 4:4])
            for y in range(size)]


def png_alpha(size, data):
    """Alpha of each pixel of an unfiltered 8-bit RGBA PNG; None when it is anything else."""
    width, height, depth, colour = struct.unpack_from(">IIBB", data, 16)
    if (width, height, depth, colour) != (size, size, 8, 6):
        return None
    at, compressed = 8, b""
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        compressed += data[at + 8:at + 8 + length] if kind == b"IDAT" else b""
        at += 12 + length
    raw = zlib.decompress(compressed)
    stride = 1 + size * 4
    return [list(raw[y * stride + 4:(y + 1) * stride:4]) for y in range(size)]


data = open(sys.argv[1], "rb").read()
count = struct.unpack_from("<HHH", data)[2]
faults, found = [], set()
for index in range(count):
    side, _, _, _, _, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
    size = side or 256
    found.add(size)
    image = data[offset:offset + length]
    read = png_alpha if image.startswith(b"\x89PNG") else bitmap_alpha
    alpha = read(size, image) if bits == 32 else None
    if alpha is None:
        faults.append(f"the {size}-pixel image is not 32-bit with alpha")
    elif alpha[0][0] != 0 or alpha[size - 1][size - 1] != 0 or alpha[size // 2][size // 2] != 255:
        faults.append(f"the {size}-pixel image is not the picture: its corners or centre are wrong")
if found != SIZES:
    faults.append(f"sizes {sorted(found)}, not {sorted(SIZES)}")
print("\n".join(faults) or f"{sorted(found)} pixels, all 32-bit")
sys.exit(1 if faults else 0)
