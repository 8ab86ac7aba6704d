#!/usr/bin/env bash
# Times the program from launch until its main window is mapped on screen,
# on a virtual X display with empty settings (a first start) and then with
# the settings that start left behind (every later start).
#
#   tools/time-startup.sh [path/to/vantrelle] [runs]
#
# Needs Xvfb and xwininfo (packages xvfb and x11-utils).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$here/build/app/vantrelle}"
runs="${2:-5}"
[ -x "$program" ] || { echo "no program at $program (build it first)" >&2; exit 1; }
command -v Xvfb >/dev/null && command -v xwininfo >/dev/null ||
  { echo "needs Xvfb and xwininfo" >&2; exit 1; }

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
xvfb=$!
home="$(mktemp -d)"
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
for _ in $(seq 50); do xwininfo -display "$display" -root >/dev/null 2>&1 && break; sleep 0.1; done

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# One start: milliseconds from launch until the window named Vantrelle is viewable.
one_start() {
  local begin end
  begin=$(now_ms)
  HOME="$home" XDG_CONFIG_HOME="$home/.config" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
    "$program" >/dev/null 2>&1 &
  app=$!
  until xwininfo -display "$display" -name Vantrelle 2>/dev/null | grep -q IsViewable; do
    kill -0 "$app" 2>/dev/null || { echo "the program ended before showing its window" >&2; exit 1; }
    if (( $(now_ms) - begin > 20000 )); then echo "no window after 20 s" >&2; exit 1; fi
    sleep 0.005
  done
  end=$(now_ms)
  kill "$app"; wait "$app" 2>/dev/null || true; app=""
  echo $(( end - begin ))
}

first=$(one_start)
echo "first start (empty settings): ${first} ms"
times=()
for _ in $(seq "$runs"); do times+=("$(one_start)"); done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "later starts (ms): $(echo $sorted)"
echo "median: $(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p") ms"
