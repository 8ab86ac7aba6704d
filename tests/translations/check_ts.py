#!/usr/bin/env python3
"""Checks the shipped translations against the sources.

lupdate is run over the sources into copies of the .ts files: any text it
marks unfinished is new (or changed) and not yet translated; any it marks
obsolete or vanished was left behind. Every %1..%99 and %n of a source text
must be in its translation (in every plural form), or a number or a name
would go missing from the translated sentence.

usage: check_ts.py LUPDATE ROOT FOLDERS OPTIONS TS...
(FOLDERS and OPTIONS are ;-separated, as CMake lists are)
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?(\d{1,2}|n)")


def placeholders(text):
    return sorted(set(m.group(1) for m in PLACEHOLDER.finditer(text or "")))


def check(path, shipped_name):
    faults = []
    plural_only = shipped_name.endswith("_en.ts")
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            where = f"{shipped_name}: {name}: {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                faults.append(f"{where}: {kind}")
                continue
            forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
            if message.get("numerus") != "yes" and plural_only:
                faults.append(f"{where}: not a plural, yet in the English file")
            wanted = placeholders(source)
            for form in forms:
                have = placeholders(form)
                missing = [p for p in wanted if p not in have]
                if missing:
                    faults.append(f"{where}: {form!r} lacks %{', %'.join(missing)}")
    return faults


def main():
    lupdate, root, folders, options, *ts_files = sys.argv[1:]
    faults = []
    with tempfile.TemporaryDirectory() as tmp:
        for shipped in map(Path, ts_files):
            copy = Path(tmp) / shipped.name
            shutil.copy(shipped, copy)
            extra = ["-pluralonly"] if shipped.name.endswith("_en.ts") else []
            subprocess.run([lupdate, "-silent", *options.split(";"), *extra,
                            *folders.split(";"), "-ts", str(copy)],
                           cwd=root, check=True)
            faults += check(copy, shipped.name)
    for fault in faults:
        print(fault)
    print(f"{len(ts_files)} translations checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
