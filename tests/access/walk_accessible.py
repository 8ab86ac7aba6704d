#!/usr/bin/env python3
"""Walks the running Vantrelle's windows over AT-SPI, as a screen reader sees
them: every interactive element showing must have a role and a name, and
Tab must reach every one that takes the focus. Drives the program with the
keyboard only: types a find text, counts with Alt+N, closes "Done." with
Enter, and walks the report window that opens.

usage: walk_accessible.py   (DISPLAY and the session bus set by the caller)
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
from atspidrive import (ENTER, R, TAB, alt, application, key,  # noqa: E402
                        notice_shown, point_at, shown, typed, wait_for)

INTERACTIVE = {
    R.ROLE_PUSH_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON, R.ROLE_TEXT,
    R.ROLE_ENTRY, R.ROLE_PASSWORD_TEXT, R.ROLE_COMBO_BOX, R.ROLE_TREE,
    R.ROLE_TREE_TABLE, R.ROLE_TABLE, R.ROLE_LIST, R.ROLE_PAGE_TAB_LIST,
    R.ROLE_SPIN_BUTTON, R.ROLE_SLIDER,
}
# Their cells and items are walked with the arrows, not with Tab.
CONTAINERS = {R.ROLE_TREE, R.ROLE_TREE_TABLE, R.ROLE_TABLE, R.ROLE_LIST,
              R.ROLE_COMBO_BOX, R.ROLE_PAGE_TAB_LIST}
failures = []


def walk(node, out):
    for child in node:
        if child is None or not child.getState().contains(R.STATE_SHOWING):
            continue
        if child.getRole() in INTERACTIVE:
            out.append(child)
        if child.getRole() not in CONTAINERS:
            walk(child, out)
    return out


def identity(acc):
    # Option buttons of one group are one Tab stop (the arrows choose): the
    # group is what Tab must reach.
    if acc.getRole() == R.ROLE_RADIO_BUTTON:
        return identity(acc.parent) + ("options",)
    box = acc.queryComponent().getExtents(R.DESKTOP_COORDS)
    return (acc.getRoleName(), acc.name, box.x, box.y, box.width, box.height)


def focused(node):
    for child in node:
        if child is None or not child.getState().contains(R.STATE_SHOWING):
            continue
        if child.getState().contains(R.STATE_FOCUSED) and child.getRole() in INTERACTIVE:
            return child
        if child.getRole() not in CONTAINERS:
            hit = focused(child)
            if hit is not None:
                return hit
    return None


def check_window(win, label):
    point_at(win)
    elements = walk(win, [])
    print(f"{label}: {len(elements)} interactive elements")
    for acc in elements:
        if not acc.name.strip():
            failures.append(f"{label}: a {acc.getRoleName()} without a name")
        elif not any(c.isalnum() for c in acc.name):
            # "..." or "?" says nothing of what the control does.
            failures.append(f"{label}: a {acc.getRoleName()} read as \"{acc.name}\"")
    reached = set()
    for _ in range(len(elements) + 5):
        key(TAB)
        hit = focused(win)
        if hit is not None:
            reached.add(identity(hit))
    for acc in elements:
        states = acc.getState()
        if states.contains(R.STATE_FOCUSABLE) and states.contains(R.STATE_ENABLED) \
                and identity(acc) not in reached:
            failures.append(f"{label}: Tab never reaches the {acc.getRoleName()} "
                            f"\"{acc.name}\"")


def main():
    wait_for("the program on the accessibility bus", application)
    check_window(wait_for("the main window", lambda: shown("Vantrelle")), "main window")
    # Keyboard only: Alt+W goes to "Find what", the text is typed, Alt+N counts.
    alt("w")
    typed("the")
    alt("n")
    wait_for("the \"Done.\" notice", lambda: notice_shown("Done."), 60)
    point_at(notice_shown("Done."))
    key(ENTER)
    check_window(wait_for("the report window", lambda: shown("Count (nothing written)")),
                 "report window")
    for failure in failures:
        print("FAIL:", failure)
    print("1 passed, 0 failed" if not failures else "0 passed, 1 failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
