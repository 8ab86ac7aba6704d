# Sourced by the scripts that show the program on a virtual display.
#   start_display          starts Xvfb on a free-looking display; sets $display
#                          ($screen_size, 1600x1200 unless set, is its size)
#   start_program ARGS...  starts a program there with $program_home as HOME; sets $app
#   wait_for_window        waits (20 s at most) until the window named Vantrelle shows
#   stop_display           ends the program and Xvfb
# Needs Xvfb and xwininfo (packages xvfb and x11-utils).
display="" xvfb="" app=""
program_home="$(mktemp -d)"

start_display() {
  display=":$((100 + RANDOM % 100))"
  Xvfb "$display" -screen 0 "${screen_size:-1600x1200}x24" -noreset >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 50); do xwininfo -display "$display" -root >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb did not start on $display" >&2
  return 1
}

start_program() {
  HOME="$program_home" XDG_CONFIG_HOME="$program_home/.config" \
    DISPLAY="$display" QT_QPA_PLATFORM=xcb "$@" >"$program_home/program.log" 2>&1 &
  app=$!
}

wait_for_window() {
  for _ in $(seq 200); do
    xwininfo -display "$display" -name Vantrelle 2>/dev/null | grep -q IsViewable && return 0
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  cat "$program_home/program.log" >&2
  echo "the program showed no window" >&2
  return 1
}

stop_display() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  app="" xvfb=""
  rm -rf "$program_home"
}
