"""Checks the starter list the release ships as Vemplor.txt, and its prepared filters.

    check_starter_list.py SAMPLE_DIR          the files' form, the readings, the filters
    check_starter_list.py SAMPLE_DIR --fonts  every character of every face has a glyph in the
                                              Japanese fonts installed as the stand-ins of the
                                              Windows ones (IPAGothic, IPAPGothic); exits 77,
                                              skipped, where neither is installed
"""
import glob
import sys
from pathlib import Path

MARK = b"\xef\xbb\xbf"
SKIPPED = 77
STAND_IN_FONTS = ("ipag.ttf", "ipagp.ttf")


def lines_of(path, faults):
    data = path.read_bytes()
    if not data.startswith(MARK):
        faults.append(f"{path.name} does not start with the UTF-8 byte-order mark")
    if data.replace(b"\r\n", b"").count(b"\n") or data.replace(b"\r\n", b"").count(b"\r"):
        faults.append(f"{path.name} has a line end other than CR LF")
    if not data.endswith(b"\r\n"):
        faults.append(f"{path.name} does not end its last line")
    return data[len(MARK):].decode("utf-8").split("\r\n")[:-1]


def is_reading(word):
    return word != "" and all("\u3041" <= c <= "\u3096" or c == "ー" for c in word)


def entries_of(sample, faults):
    entries = []
    for number, line in enumerate(lines_of(sample / "Vemplor.txt", faults), 1):
        tag, tab, face = line.partition("\t")
        if not tab or not face or "\t" in face or not all(map(is_reading, tag.split(" "))):
            faults.append(f"line {number} is not 'readings TAB face': {line!r}")
        entries.append((tag.split(" "), face))
    return entries


def check_form(sample):
    faults = []
    entries = entries_of(sample, faults)
    faces = [face for _, face in entries]
    readings = {reading for tag, _ in entries for reading in tag}
    repeated = sorted({face for face in faces if faces.count(face) > 1})
    if repeated:
        faults.append(f"faces listed twice: {repeated}")
    if len(faces) < 300 or len(readings) < 100:
        faults.append(f"{len(faces)} faces with {len(readings)} readings: fewer than promised")
    for prepared in lines_of(sample / "Filter.txt", faults):
        if prepared and not any(prepared in tag for tag, _ in entries):
            faults.append(f"the filter {prepared!r} is no reading of the list")
    return faults, f"{len(faces)} faces, {len(readings)} readings"


def check_fonts(sample):
    paths = [path for name in STAND_IN_FONTS
             for path in glob.glob(f"/usr/share/fonts/**/{name}", recursive=True)[:1]]
    if not paths:
        print(f"SKIPPED: none of {', '.join(STAND_IN_FONTS)} is installed (fonts-ipafont-gothic)")
        sys.exit(SKIPPED)
    try:
        from fontTools.ttLib import TTFont
    except ImportError:
        sys.exit("fontTools is missing: scripts/install-deps.sh installs python3-fonttools")
    faults = []
    entries = entries_of(sample, faults)
    for path in paths:
        cmap = TTFont(path).getBestCmap()
        missing = sorted({c for _, face in entries for c in face if ord(c) not in cmap})
        for c in missing:
            faults.append(f"{Path(path).name} has no glyph for U+{ord(c):04X} {c}")
    return faults, f"{len(entries)} faces drawn by {', '.join(Path(p).name for p in paths)}"


sample = Path(sys.argv[1])
faults, summary = check_fonts(sample) if "--fonts" in sys.argv[2:] else check_form(sample)
for fault in faults:
    print(fault)
if faults:
    sys.exit(1)
print(summary)
