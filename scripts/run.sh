#!/usr/bin/env bash
# Installs what is missing, builds the application and starts it.
#
# Where there is no display ($DISPLAY unset), the program runs on a virtual X display (Xvfb) and
# a picture of its main window is saved to screenshots/main-window.png. It then keeps running
# until Ctrl+C; when standard input is not a terminal, the script ends after the screenshot.
#
# BUILD_DIR chooses the build directory (default: build); JOBS limits parallel compile jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${BUILD_DIR:-build}

bash scripts/install-deps.sh
cmake -S . -B "$build" -G Ninja
cmake --build "$build" --target stroval ${JOBS:+-j "$JOBS"}
program="$root/$build/app/stroval"
[[ "$build" = /* ]] && program="$build/app/stroval"

if [ -n "${DISPLAY:-}" ]; then
  exec "$program"
fi

# The first display number whose lock file and socket are both free.
free_display() {
  local n=99
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}

screenshot="$root/screenshots/main-window.png"
mkdir -p "$(dirname "$screenshot")"
rm -f "$screenshot"

display_number=$(free_display)
echo "No display found (DISPLAY is not set): starting a virtual display :$display_number."
# Its own session, so that Ctrl+C reaches the script (which stops the program first) and not it.
setsid Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
program_pid=""

stop() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap stop EXIT
trap 'echo; echo "Stopping."; exit 0' INT TERM

for _ in $(seq 1 50); do
  if xdpyinfo -display ":$display_number" >/dev/null 2>&1; then break; fi
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then echo "Xvfb did not start." >&2; exit 1; fi
  sleep 0.2
done

export DISPLAY=":$display_number"
STROVAL_SCREENSHOT="$screenshot" "$program" &
program_pid=$!

for _ in $(seq 1 150); do
  [ -s "$screenshot" ] && break
  if ! kill -0 "$program_pid" 2>/dev/null; then echo "The program ended before its window was shown." >&2; exit 1; fi
  sleep 0.2
done
if [ ! -s "$screenshot" ]; then
  echo "No screenshot of the main window was made within 30 seconds." >&2
  exit 1
fi
echo "Screenshot of the main window: $screenshot"

if [ -t 0 ]; then
  echo "The program runs on virtual display :$display_number. Press Ctrl+C to stop it."
  wait "$program_pid" || true
else
  echo "Standard input is not a terminal: stopping the program."
fi
