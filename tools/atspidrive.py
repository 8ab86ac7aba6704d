"""Driving the running Vantrelle over AT-SPI as a keyboard user does: finding
its windows and texts, pressing keys. Shared by the accessibility check and
the screenshot tool."""
import os
import subprocess
import sys
import time

import pyatspi

R = pyatspi
# Pressing and releasing take a key code: Alt_L's on an X server's usual map.
ALT_KEYCODE = 64
ENTER = 0xFF0D
TAB = 0xFF09


def wait_for(what, find, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.3)
    sys.exit(f"FAIL: {what} did not appear")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.startswith("vantrelle"):
            return app
    return None


def shown(title_start):
    """The program's showing window whose title starts so, or None."""
    for win in application() or []:
        if win is not None and win.name.startswith(title_start) and \
                win.getState().contains(R.STATE_SHOWING):
            return win
    return None


def has_text(node, start, depth=0):
    """Whether a showing element below node has a name starting so."""
    if depth > 8:
        return False
    for child in node:
        if child is None:
            continue
        if child.name.startswith(start) and child.getState().contains(R.STATE_SHOWING):
            return True
        if has_text(child, start, depth + 1):
            return True
    return False


def notice_shown(text):
    """The program's message box that shows the text, or None."""
    return next((w for w in application() or [] if w is not None and
                 w.getRole() in (R.ROLE_ALERT, R.ROLE_DIALOG) and has_text(w, text)), None)


def point_at(win):
    """Gives the window the keyboard, as a window manager would on a click:
    the pointer is moved onto it (no click) and the X focus set to the window
    under the pointer. Qt takes no focus that only follows the pointer."""
    box = win.queryComponent().getExtents(R.DESKTOP_COORDS)
    # Qt gives places before its own scaling; the screen has them scaled.
    scale = float(os.environ.get("QT_SCALE_FACTOR", "1"))
    pyatspi.Registry.generateMouseEvent(int((box.x + box.width / 2) * scale),
                                        int((box.y + 5) * scale), R.MOUSE_ABS)
    time.sleep(0.3)
    where = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True,
                           text=True, check=True).stdout
    window = dict(line.split("=", 1) for line in where.split())["WINDOW"]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    time.sleep(0.3)
    return win


def key(sym):
    pyatspi.Registry.generateKeyboardEvent(sym, None, R.KEY_SYM)
    time.sleep(0.15)


def alt(letter):
    pyatspi.Registry.generateKeyboardEvent(ALT_KEYCODE, None, R.KEY_PRESS)
    key(ord(letter))
    pyatspi.Registry.generateKeyboardEvent(ALT_KEYCODE, None, R.KEY_RELEASE)
    time.sleep(0.3)


def typed(text):
    # Latin-1 characters are their own key symbols; string synthesis is not
    # available on every X server.
    for c in text:
        key(ord(c))
