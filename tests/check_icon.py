"""Fails unless the program's icon holds an image drawn for every size the system asks for at
any scaling, each 32-bit with an alpha channel (a 32-bit bitmap, or an 8-bit RGBA PNG).

    check_icon.py ICO
"""
import struct
import sys

SIZES = {16, 20, 24, 32, 40, 48, 64, 256}

data = open(sys.argv[1], "rb").read()
faults, found = [], set()
for index in range(struct.unpack_from("<HHH", data)[2]):
    side, _, _, _, _, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
    size = side or 256
    found.add(size)
    if data[offset:offset + 4] == b"\x89PNG":
        image = struct.unpack_from(">IIBB", data, offset + 16)  # width, height, depth, colour
        wanted = (size, size, 8, 6)
    else:
        image = struct.unpack_from("<iiHH", data, offset + 4)  # width, doubled height, planes, bits
        wanted = (size, 2 * size, 1, 32)
    if bits != 32 or image != wanted:
        faults.append(f"the {size}-pixel image is not 32-bit with alpha")
if found != SIZES:
    faults.append(f"sizes {sorted(found)}, not {sorted(SIZES)}")
print("\n".join(faults) or f"{sorted(found)} pixels, all 32-bit")
sys.exit(1 if faults else 0)
