#!/usr/bin/env python3
"""Writes app/windows/varnok3.ico from the launcher's embedded icon
(images/embedded/launcher_icon.h), so that varnok3.exe shows in Explorer as the
launcher shows in its window: one 32 x 32 image, 32 bits with alpha."""
import re
import struct
import sys
from pathlib import Path

root = Path(__file__).resolve().parents[2]
text = (root / "images/embedded/launcher_icon.h").read_text(encoding="utf-8")
blocks = re.findall(r"\{([^{}]*)\}", text)
palette = [int(v, 16) for v in re.findall(r"0x([0-9a-fA-F]+)u", blocks[0])]
indices = [int(v) for v in re.findall(r"\d+", blocks[1])]
size = 32
assert len(indices) == size * size, len(indices)

pixels = bytearray()
for y in reversed(range(size)):  # a BMP in an icon runs bottom-up
    for x in range(size):
        argb = palette[indices[y * size + x]]
        pixels += struct.pack("<I", argb)  # B, G, R, A in memory order
mask = bytes(size * 4)  # alpha decides; the AND mask stays clear
header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
image = header + bytes(pixels) + mask
icon = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22) + image
out = root / "app/windows/varnok3.ico"
out.write_bytes(icon)
print(f"{out}: {len(icon)} bytes", file=sys.stderr)
