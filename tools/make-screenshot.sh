#!/usr/bin/env bash
# Takes the README's screenshot: the program on a virtual display with a few
# publications of the corpus in its list, saved as docs/screenshot.png.
#
#   tools/make-screenshot.sh [--program PATH] [--corpus DIR] [--scale FACTOR] [--out FILE]
#
# Needs Xvfb, xwininfo and ImageMagick's import (packages xvfb, x11-utils,
# imagemagick) and a built program (bash tools/run.sh builds it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$root/build/app/vantrelle"
corpus="${VANTRELLE_CORPUS_DIR:-$root/../shared/corpus}"
scale=1
out="$root/docs/screenshot.png"
while [ $# -gt 0 ]; do
  case "$1" in
    --program) program="$2"; shift 2 ;;
    --corpus) corpus="$2"; shift 2 ;;
    --scale) scale="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
[ -x "$program" ] || { echo "no program at $program: build it first (bash tools/run.sh)" >&2; exit 2; }
[ -f "$corpus/60685.pub" ] || {
  echo "no corpus at $corpus: give the folder of publications with --corpus DIR" >&2
  exit 2
}

# shellcheck source=tools/xdisplay.sh
source "$root/tools/xdisplay.sh"
work="$program_home"
trap stop_display EXIT

# A folder of publications to open, and settings as a user would have them.
mkdir -p "$work/Newsletters" "$work/.config/Quillorn"
for name in 60685 51318 Sample; do cp "$corpus/$name.pub" "$work/Newsletters/"; done
cat >"$work/.config/Quillorn/Quillorn.ini" <<INI
[Vantrelle]
Output%20Folder=$work/Newsletters/Replaced/
Check2=1
Snapshot=False
INI

start_display
QT_SCALE_FACTOR="$scale" start_program "$program" "$work/Newsletters"
wait_for_window
sleep 1 # the list fills once the window runs
id="$(xwininfo -display "$display" -name Vantrelle | awk '/Window id:/ {print $4}')"
mkdir -p "$(dirname "$out")"
DISPLAY="$display" import -window "$id" "$out"
echo "wrote $out"
