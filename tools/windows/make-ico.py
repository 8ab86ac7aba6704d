#!/usr/bin/env python3
"""Packs PNG pictures into one Windows icon (.ico), each kept as PNG, which
Windows reads since Vista: the setup program's and the uninstaller's icon.

    python3 tools/windows/make-ico.py OUT.ico IN.png...
"""
import struct
import sys


def png_size(data, name):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        sys.exit(f"make-ico.py: {name} is not a PNG")
    width, height = struct.unpack(">II", data[16:24])
    if not (0 < width <= 256 and 0 < height <= 256):
        sys.exit(f"make-ico.py: {name} is {width}x{height}; an icon holds at most 256x256")
    return width, height


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__.strip())
    out, names = sys.argv[1], sys.argv[2:]
    pictures = []
    for name in names:
        with open(name, "rb") as f:
            data = f.read()
        pictures.append((png_size(data, name), data))
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, bodies = b"", b""
    for (width, height), data in pictures:
        # 256 is written as 0: the field is one byte.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset + len(bodies))
        bodies += data
    with open(out, "wb") as f:
        f.write(header + entries + bodies)


if __name__ == "__main__":
    main()
