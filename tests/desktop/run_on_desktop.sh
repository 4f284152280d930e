#!/usr/bin/env bash
# Runs a program on a virtual desktop: a virtual display (Xvfb) of the given size with a window
# manager (openbox), as a user's desktop has one. Window geometry (maximising, placement,
# resizing) depends on the window manager, which the headless platform of the other tests lacks.
#   run_on_desktop.sh WIDTHxHEIGHT PROGRAM [ARGUMENTS...]
set -euo pipefail
size=$1
shift
for tool in Xvfb openbox xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "run_on_desktop: $tool is not installed (scripts/install-deps.sh installs it)" >&2; exit 1; }
done

# The first display number whose lock file and socket are both free.
n=120
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
export DISPLAY=":$n"

Xvfb "$DISPLAY" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=""
stop() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap stop EXIT

for _ in $(seq 1 100); do
  xdpyinfo >/dev/null 2>&1 && break
  kill -0 "$xvfb" 2>/dev/null || { echo "run_on_desktop: Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# openbox owns the window manager selection once it runs.
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.1
done

QT_QPA_PLATFORM=xcb "$@"
