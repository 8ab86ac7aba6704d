#!/usr/bin/env python3
"""Draws the desktop icons the install puts into the hicolor theme: PNGs at
48, 128 and 256 px from the application icon of tools/make-art.py, and a
scalable SVG of the same drawing. The results are committed under
packaging/icons, so the build never runs this.

    python3 tools/make-icons.py packaging/icons
"""
import runpy
import sys
import types
from pathlib import Path

SIZES = (48, 128, 256)

# The same drawing as make-art.py's app_icon, on its 64-unit grid.
SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">
  <defs>
    <linearGradient id="tile" x1="0" y1="2" x2="0" y2="62" gradientUnits="userSpaceOnUse">
      <stop offset="0" stop-color="#367be0"/>
      <stop offset="1" stop-color="#1a489c"/>
    </linearGradient>
  </defs>
  <rect x="2" y="2" width="60" height="60" rx="12" fill="url(#tile)"/>
  <path d="M15 9H39L49 19V55H15Z" fill="#ffffff"/>
  <path d="M39 9V19H49Z" fill="#c4d3ea"/>
  <rect x="18" y="32.5" width="28" height="8" fill="#ffc83d"/>
{lines}</svg>
"""


def load_art():
    # make-art.py has a dash in its name, so it is run as a file, not imported.
    path = Path(__file__).with_name("make-art.py")
    return types.SimpleNamespace(**runpy.run_path(str(path), run_name="make_art"))


def svg_lines():
    rows = []
    for top, right in ((19, 36), (27, 44), (35, 44), (43, 44), (49, 38)):
        colour = "#1e2b3c" if top == 35 else "#98a8be"  # the found text is dark
        rows.append(f'  <rect x="20" y="{top}" width="{right - 20}" height="3.5" '
                    f'fill="{colour}"/>\n')
    return "".join(rows)


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "packaging/icons")
    out.mkdir(parents=True, exist_ok=True)
    art = load_art()
    for size in SIZES:
        (out / f"vantrelle-{size}.png").write_bytes(art.png(art.app_icon(size)))
    (out / "vantrelle.svg").write_text(SVG.replace("{lines}", svg_lines()))


if __name__ == "__main__":
    main()
