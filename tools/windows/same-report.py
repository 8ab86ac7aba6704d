#!/usr/bin/env python3
"""Compares two JSON reports of vantrelle-replace, one from Linux and one
from Windows, for the same sources and options: equal but for path
spellings (each given folder, in any spelling, becomes one name; separators
become "/") and the run's clock (times, milliseconds). The fit check's
notes are left out: it measures with the fonts each system has, and Wine's
are not Linux's. Exits 1 with the first difference."""
import json
import sys


def normalise(value, folders):
    if isinstance(value, dict):
        return {k: normalise(v, folders) for k, v in value.items()
                if k not in ("milliseconds", "started", "ended", "fit")}
    if isinstance(value, list):
        return [normalise(v, folders) for v in value]
    if isinstance(value, str):
        text = value.replace("\\", "/")
        for placeholder, folder in folders:
            for spelling in ("Z:" + folder, "z:" + folder, folder):
                text = text.replace(spelling, placeholder)
        return text
    return value


linux, windows = sys.argv[1], sys.argv[2]
# The sources, then each side's own output folder, which stand for one place.
folders = [("<sources>" if i == 0 else "<out>", f.rstrip("/"))
           for i, f in enumerate(sys.argv[3:])]
a = normalise(json.load(open(linux, encoding="utf-8")), folders)
b = normalise(json.load(open(windows, encoding="utf-8")), folders)
if a != b:
    left, right = json.dumps(a, indent=1).splitlines(), json.dumps(b, indent=1).splitlines()
    for n, (x, y) in enumerate(zip(left, right)):
        if x != y:
            print(f"  line {n}: Linux {x.strip()} / Windows {y.strip()}")
            break
    sys.exit(1)
