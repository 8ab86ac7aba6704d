#!/usr/bin/env python3
"""Drives the running Vantrelle from the keyboard over AT-SPI through one run
and screenshots its report window and its pages window.

usage: shoot-report.py FIND REPLACE OUT_PREFIX   (DISPLAY and the bus set)
Writes OUT_PREFIX-report.png and OUT_PREFIX-pages.png (the whole screen).
"""
import subprocess
import sys
import time

from atspidrive import ENTER, alt, has_text, key, notice_shown, point_at, shown, typed, wait_for


def shoot(path):
    time.sleep(1.5)
    subprocess.run(["import", "-window", "root", path], check=True)
    print("wrote", path)


def main():
    find, replace, prefix = sys.argv[1:4]
    point_at(wait_for("the main window", lambda: shown("Vantrelle")))
    alt("w")
    typed(find)
    alt("p")
    typed(replace)
    alt("s")
    point_at(wait_for("the Done. notice", lambda: notice_shown("Done."), 60))
    key(ENTER)
    point_at(wait_for("the report window", lambda: shown("Run report")))
    shoot(prefix + "-report.png")
    alt("p")
    pages = point_at(wait_for("the pages window", lambda: shown("Pages of")))
    wait_for("the drawings", lambda: has_text(pages, "Marked in red") or
             has_text(pages, "The drawings"), 180)
    shoot(prefix + "-pages.png")


if __name__ == "__main__":
    main()
