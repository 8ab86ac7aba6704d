#!/usr/bin/env bash
# Takes the README's screenshot: the program on a virtual display with the
# sample publications of its program folder in its list (as "Load
# Sample/Example Files" adds them) and the quick start's pair typed, saved as
# docs/screenshot.png.
#
#   tools/make-screenshot.sh [--program PATH] [--scale FACTOR] [--out FILE]
#
# Needs Xvfb, xwininfo and ImageMagick's import (packages xvfb, x11-utils,
# imagemagick), xdotool, and a built program (bash tools/run.sh builds it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$root/build/app/vantrelle"
scale=1
out="$root/docs/screenshot.png"
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program="$2"; shift 2 ;;
    --scale) scale="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
[ -x "$program" ] || { echo "no program at $program: build it first (bash tools/run.sh)" >&2; exit 2; }
samples="$(dirname "$program")/Samples"
[ -d "$samples" ] || { echo "no samples at $samples: build the program first" >&2; exit 2; }

# shellcheck source=tools/xdisplay.sh
source "$root/tools/xdisplay.sh"
work="$program_home"
trap stop_display EXIT

# Settings as a user would have them: results beside the samples' folder.
mkdir -p "$work/.config/Quillorn"
cat >"$work/.config/Quillorn/Quillorn.ini" <<INI
[Vantrelle]
Output%20Folder=$(dirname "$samples")/Results/
Snapshot=False
INI

start_display
QT_SCALE_FACTOR="$scale" start_program "$program" "$samples"
wait_for_window
sleep 1 # the list fills once the window runs
id="$(xwininfo -display "$display" -name Vantrelle | awk '/Window id:/ {print $4}')"
# The quick start's pair: "Find what" has the focus at start (Alt+W and Alt+P
# reach the boxes in any case).
DISPLAY="$display" xdotool windowfocus --sync "$id" key alt+w type --delay 20 2026
DISPLAY="$display" xdotool key alt+p type --delay 20 2027
sleep 0.5
mkdir -p "$(dirname "$out")"
DISPLAY="$display" import -window "$id" "$out"
echo "wrote $out"
