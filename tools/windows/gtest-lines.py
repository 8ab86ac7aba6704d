#!/usr/bin/env python3
"""Reads one GoogleTest program's output (stdin) and prints what
tools/test-windows.sh shows of it: a FAIL line per failed test with its
message, a SKIP line per skipped test with its reason, and last the line
"PASSED FAILED" for the totals. A program that ended before its summary
counts one failure more."""
import re
import sys

name = sys.argv[1]
passed = failed = 0
pending = []  # message lines since the last test started
finished = False
for line in sys.stdin.read().replace("\r", "").splitlines():
    if line.startswith("[ RUN      ]"):
        pending = []
    elif line.startswith("[       OK ]"):
        passed += 1
    elif re.match(r"^\[  FAILED  \] \S+ \(", line):
        failed += 1
        test = line.split()[3]
        print(f"FAIL {name} {test}")
        for message in pending[-12:]:
            print("  " + message)
    elif re.match(r"^\[  SKIPPED \] \S+ \(", line):
        test = line.split()[3]
        reason = next((m for m in reversed(pending) if m and "Skipped" not in m), "")
        print(f"SKIP {name} {test}: {reason}")
        passed += 0
    elif line.startswith("[==========]") and "ran." in line:
        finished = True
    elif not line.startswith("["):
        pending.append(line)
if not finished:
    print(f"FAIL {name}: ended before its summary (crash or timeout)")
    failed += 1
print(f"{passed} {failed}")
