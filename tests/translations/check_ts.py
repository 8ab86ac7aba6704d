#!/usr/bin/env python3
"""Checks the shipped translations against the sources.

lupdate is run over the sources into copies of the .ts files: any text it
marks unfinished is new (or changed) and not yet translated; any it marks
obsolete or vanished was left behind. Every %1..%99 and %n of a source text
must be in its translation (in every plural form), or a number or a name
would go missing from the translated sentence. Each language keeps one term
per idea in glossary_LANG.tsv beside its .ts file (idea, term, terms to
avoid separated by |): no translation may use a term to avoid.

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


def glossary_faults(shipped):
    """Terms a language's glossary says to avoid, found in its translations."""
    lang = shipped.stem.split("_")[-1]
    if lang == "en":
        return []
    glossary = shipped.with_name(f"glossary_{lang}.tsv")
    if not glossary.exists():
        return [f"{shipped.name}: no {glossary.name} beside it"]
    avoid = []
    for line in glossary.read_text(encoding="utf-8").splitlines():
        fields = line.split("\t")
        if len(fields) < 2 or line.startswith("#"):
            continue
        idea, term = fields[0], fields[1]
        for bad in filter(None, (fields[2] if len(fields) > 2 else "").split("|")):
            avoid.append((idea, term, re.compile(r"(?<!\w)" + re.escape(bad.strip()) + r"(?!\w)",
                                                 re.IGNORECASE)))
    faults = []
    for message in ET.parse(shipped).getroot().iter("message"):
        translation = message.find("translation")
        if translation is None:
            continue
        forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
        for form in filter(None, forms):
            text = form.replace("&&", "\0").replace("&", "").replace("\0", "&")
            for idea, term, pattern in avoid:
                if found := pattern.search(text):
                    faults.append(f"{shipped.name}: {text!r} says {found.group(0)!r} for "
                                  f"{idea}; the glossary's term is {term!r}")
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
            faults += glossary_faults(shipped)
    for fault in faults:
        print(fault)
    print(f"{len(ts_files)} translations checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
