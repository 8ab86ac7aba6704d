#!/usr/bin/env bash
# Screenshots of the run report and the pages before and after, as a user
# at the given scale sees them on a 1280x1024 screen: the real program, one
# run on a copy of a publication driven from the keyboard over AT-SPI.
#
#   tools/shoot-report.sh [--scale F] [--program PATH] [--publication FILE]
#                         [--find TEXT] [--replace TEXT] [--out PREFIX]
#
# Needs Xvfb, xwininfo, ImageMagick's import, dbus-run-session, at-spi2-core,
# python3-pyatspi and LibreOffice's Draw (tools/packages-test.txt).
set -euo pipefail
# Debian's Python, where python3-pyatspi installs.
python=/usr/bin/python3
root="$(cd "$(dirname "$0")/.." && pwd)"
program="$root/build/app/vantrelle"
publication="${VANTRELLE_CORPUS_DIR:-$root/../shared/corpus}/Sample.pub"
scale=1 find="page two" replace="page 2" out="/tmp/vantrelle"
while [ $# -gt 0 ]; do
  case "$1" in
    --scale) scale="$2"; shift 2 ;;
    --program) program="$2"; shift 2 ;;
    --publication) publication="$2"; shift 2 ;;
    --find) find="$2"; shift 2 ;;
    --replace) replace="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --inside) inside=1; shift ;;
    *) echo "unknown argument: $1" >&2; exit 2 ;;
  esac
done
if [ -z "${inside:-}" ]; then
  exec dbus-run-session -- bash "$0" --scale "$scale" --program "$program" \
    --publication "$publication" --find "$find" --replace "$replace" --out "$out" --inside
fi

# shellcheck source=tools/xdisplay.sh
source "$root/tools/xdisplay.sh"
trap stop_display EXIT
mkdir -p "$program_home/out" "$program_home/.config/Quillorn"
cp "$publication" "$program_home/"
cat >"$program_home/.config/Quillorn/Quillorn.ini" <<INI
[Vantrelle]
Output%20Folder=$program_home/out/
Option1=True
Option2=False
INI
screen_size=1280x1024 start_display
dbus-update-activation-environment DISPLAY="$display"
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_SCALE_FACTOR="$scale"
start_program "$program" "$program_home/$(basename "$publication")"
wait_for_window
DISPLAY="$display" "$python" "$root/tools/shoot-report.py" "$find" "$replace" "$out-$scale"
