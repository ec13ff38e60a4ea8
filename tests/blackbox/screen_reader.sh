#!/usr/bin/env bash
# Starts the built game on its own X server with a private D-Bus session and accessibility
# bus, and plays it over AT-SPI as a screen reader's user would (screen_reader.py). Ends every
# process it starts, by its pid.
# Usage: screen_reader.sh PATH_TO_QUORVEX
set -uo pipefail
game=$1
here=$(dirname "$0")
launcher=/usr/libexec/at-spi-bus-launcher
for tool in Xvfb xdotool dbus-daemon "$launcher"; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi missing"; exit 77; }

work=$(mktemp -d)
started=() # every pid we start, and those they start
descendants() { # pid: its children's pids, depth first
  local child
  for child in $(cat /proc/"$1"/task/*/children 2>/dev/null); do
    descendants "$child"
    echo "$child"
  done
}
cleanup() {
  local pid all=()
  for pid in "${started[@]}"; do all+=($(descendants "$pid") "$pid"); done
  for pid in "${all[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

display=""
for n in $(seq 170 189); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=:$n; break; fi
done
[[ -n $display ]] || { echo "no free display"; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
started+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

dbus-daemon --session --nofork --nopidfile --print-address=1 >"$work/bus" 2>/dev/null &
started+=($!)
for _ in $(seq 50); do [[ -s $work/bus ]] && break; sleep 0.1; done
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
"$launcher" --launch-immediately --a11y=1 >/dev/null 2>&1 &
started+=($!)
sleep 1

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >"$work/game.log" 2>&1 &
game_pid=$!
started+=("$game_pid")
timeout 20 xdotool search --sync --onlyvisible --name '^Quorvex!$' >/dev/null ||
  { echo "the window never appeared"; cat "$work/game.log"; exit 1; }
sleep 0.5

timeout 90 /usr/bin/python3 "$here/screen_reader.py"
status=$?
kill -0 "$game_pid" 2>/dev/null || { echo "FAIL: the game ended during the test"; status=1; }
[[ $status -eq 0 ]] || head -c 3000 "$work/game.log"
exit "$status"
