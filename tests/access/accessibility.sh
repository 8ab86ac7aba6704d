#!/usr/bin/env bash
# The accessibility check: the real program on a virtual display with its
# accessibility bridge on, walked over AT-SPI by walk_accessible.py.
#   accessibility.sh PROGRAM PUBLICATION [INSTEAD]
# INSTEAD is walked where PUBLICATION is absent (the build's sample on a
# plain clone).
# Exits 77 (skipped) where Xvfb, a session bus or pyatspi are missing.
set -euo pipefail
# Debian's Python, where python3-pyatspi installs.
python=/usr/bin/python3
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
program="$1" publication="$2"
if [ "${3:-}" != "--inside" ]; then
  [ -f "$publication" ] || publication="${3:-$publication}"
  for need in Xvfb xwininfo xdotool dbus-run-session; do
    command -v "$need" >/dev/null || { echo "SKIP: $need is not installed"; exit 77; }
  done
  "$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
  [ -x /usr/libexec/at-spi-bus-launcher ] || { echo "SKIP: at-spi2-core is not installed"; exit 77; }
  [ -f "$publication" ] || { echo "SKIP: no publication at $publication"; exit 77; }
  exec dbus-run-session -- bash "$0" "$program" "$publication" --inside
fi

# shellcheck source=tools/xdisplay.sh
source "$root/tools/xdisplay.sh"
trap stop_display EXIT
mkdir -p "$program_home/Desktop"
cp "$publication" "$program_home/sample.pub"
start_display
# The registry daemon presses the keys; it is started by the bus, with the
# bus's environment.
dbus-update-activation-environment DISPLAY="$display"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$program" "$program_home/sample.pub"
wait_for_window
DISPLAY="$display" "$python" "$here/walk_accessible.py"
