#!/usr/bin/env python3
"""Writes vantrel.ico from icon.txt: one 16-colour image each of 16, 32 and
48 pixels. With --check it only compares the result with vantrel.ico."""
import struct
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
SIZES = (16, 32, 48)
# The system's 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]


def read_picture(path):
    rows = [line.strip() for line in path.read_text().splitlines()
            if line.strip() and not line.startswith("#")]
    if len(rows) != 16 or any(len(row) != 16 for row in rows):
        sys.exit(f"{path}: the picture must be 16 rows of 16 pixels")
    return rows


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def image(rows, size):
    scale = size // 16
    pixels = [[rows[y // scale][x // scale] for x in range(size)] for y in range(size)]
    colour_rows, mask_rows = [], []
    for line in reversed(pixels):  # bitmaps run bottom-up
        indices = [0 if p == "." else int(p, 16) for p in line]
        colour_rows.append(padded(bytes(
            indices[x] << 4 | indices[x + 1] for x in range(0, size, 2))))
        mask = 0
        for p in line:
            mask = mask << 1 | (p == ".")
        mask_rows.append(padded(mask.to_bytes(size // 8, "big")))
    bits = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(bits), 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bits


def icon(rows):
    images = [image(rows, size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


def main():
    data = icon(read_picture(HERE / "icon.txt"))
    target = HERE / "vantrel.ico"
    if "--check" in sys.argv[1:]:
        if not target.exists() or target.read_bytes() != data:
            sys.exit("vantrel.ico is not what icon.txt gives: run resources/make_icon.py")
        return
    target.write_bytes(data)


if __name__ == "__main__":
    main()
