#!/usr/bin/env python3
"""Draws the program's own pictures: the application icon (PNG), the hand
pointer HAND-M.CUR and the drag pointer drag.ico. Standard library only; the
results are committed under app/resources, so the build never runs this.

    python3 tools/make-art.py app/resources
"""
import struct
import sys
import zlib
from pathlib import Path

# Pointer shapes: '#' outline, every cell the outline encloses is filled white,
# everything reachable from the border stays transparent.
HAND = """
.....##..........
....#..#.........
....#..#.........
....#..#.........
....#..#.........
....#..###.......
....#..#..###....
....#..#..#..###.
.##.#..#..#..#..#
#..##..#..#..#..#
#...#...........#
.#..............#
..#.............#
..#.............#
...#...........#.
...#...........#.
....#.........#..
....#.........#..
.....#.......#...
.....#.......#...
.....#########...
"""

# Up and down arrow for moving a row; its middle is the hot spot, as for any
# icon used as a pointer.
DRAG = """
.......#.......
......#.#......
.....#...#.....
....#.....#....
...#.......#...
..#.........#..
.#####...#####.
.....#...#.....
.....#...#.....
.....#...#.....
.....#...#.....
.....#...#.....
.#####...#####.
..#.........#..
...#.......#...
....#.....#....
.....#...#.....
......#.#......
.......#.......
"""


def shape_pixels(art, size, left, top):
    rows = [r for r in art.strip("\n").split("\n")]
    h, w = len(rows), max(len(r) for r in rows)
    rows = [r.ljust(w, ".") for r in rows]
    outside = set()
    stack = [(y, x) for y in range(h) for x in range(w)
             if (y in (0, h - 1) or x in (0, w - 1)) and rows[y][x] != "#"]
    while stack:
        y, x = stack.pop()
        if (y, x) in outside or not (0 <= y < h and 0 <= x < w) or rows[y][x] == "#":
            continue
        outside.add((y, x))
        stack += [(y + 1, x), (y - 1, x), (y, x + 1), (y, x - 1)]
    pixels = [[(0, 0, 0, 0)] * size for _ in range(size)]
    inside = 0
    for y in range(h):
        for x in range(w):
            if rows[y][x] == "#":
                pixels[top + y][left + x] = (0, 0, 0, 255)
            elif (y, x) not in outside:
                pixels[top + y][left + x] = (255, 255, 255, 255)
                inside += 1
    assert inside > 0, "outline is not closed"
    return pixels


def dib(pixels):
    """A 32-bit icon image: header, colours bottom-up (BGRA), AND mask."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, a)
                       for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colours + bytes(mask)


def icon_file(pixels, kind, hotspot=(0, 0)):
    """kind 1 is an icon, 2 a cursor (whose entry carries the hot spot)."""
    image = dib(pixels)
    size = len(pixels)
    a, b = (1, 32) if kind == 1 else hotspot
    return (struct.pack("<HHH", 0, kind, 1) +
            struct.pack("<BBBBHHII", size, size, 0, 0, a, b, len(image), 6 + 16) + image)


def png(pixels):
    h, w = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data +
                struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def app_icon(size):
    """A blue tile with a page whose middle line is highlighted: text being
    found and replaced. Drawn on a 64-unit grid, 4x4 samples per pixel."""
    def colour_at(x, y):
        # Tile with rounded corners.
        r = 12
        cx, cy = min(max(x, 2 + r), 62 - r), min(max(y, 2 + r), 62 - r)
        if (x - cx) ** 2 + (y - cy) ** 2 > r * r or not (2 <= x <= 62 and 2 <= y <= 62):
            return None
        t = (y - 2) / 60
        tile = (int(0x36 + (0x1A - 0x36) * t), int(0x7B + (0x48 - 0x7B) * t),
                int(0xE0 + (0x9C - 0xE0) * t))
        fold = 10
        if 15 <= x <= 49 and 9 <= y <= 55:
            into_corner = x - (49 - fold)      # how far into the top right corner
            if y - 9 < fold and into_corner > y - 9:
                return tile                     # cut away
            if into_corner >= 0 and y - 9 <= fold:
                return (0xC4, 0xD3, 0xEA)       # the folded flap
            for line_y, right in ((19, 36), (27, 44), (35, 44), (43, 44), (49, 38)):
                if line_y <= y < line_y + 3.5 and 20 <= x <= right:
                    if line_y == 35:
                        return (0x1E, 0x2B, 0x3C)
                    return (0x98, 0xA8, 0xBE)
            if 32.5 <= y < 40.5 and 18 <= x <= 46:
                return (0xFF, 0xC8, 0x3D)        # highlight behind the found text
            return (0xFF, 0xFF, 0xFF)
        return tile

    n = 4
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    c = colour_at((px + (sx + 0.5) / n) * 64 / size,
                                  (py + (sy + 0.5) / n) * 64 / size)
                    if c:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            if acc[3]:
                row.append(tuple(int(round(acc[i] / acc[3])) for i in range(3)) +
                           (int(round(255 * acc[3] / (n * n))),))
            else:
                row.append((0, 0, 0, 0))
        pixels.append(row)
    return pixels


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "app/resources")
    out.mkdir(parents=True, exist_ok=True)
    hand_left, hand_top = 8, 4
    (out / "HAND-M.CUR").write_bytes(
        icon_file(shape_pixels(HAND, 32, hand_left, hand_top), 2, (hand_left + 5, hand_top)))
    (out / "drag.ico").write_bytes(icon_file(shape_pixels(DRAG, 32, 9, 7), 1))
    for size in (16, 32, 64, 256):
        (out / f"vantrelle-{size}.png").write_bytes(png(app_icon(size)))


if __name__ == "__main__":
    main()
