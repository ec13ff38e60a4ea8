#!/usr/bin/env bash
# Starts the built game on its own X server with a private D-Bus session and accessibility
# bus, and plays it over AT-SPI as a screen reader's user would (screen_reader.py). Ends every
# process it starts, by its pid.
# Usage: screen_reader.sh PATH_TO_QUORVEX
set -uo pipefail
game=$1
here=$(dirname "$0")
source "$here/../support/script_test.sh"
source "$harness/x_server.sh"
launcher=/usr/libexec/at-spi-bus-launcher
skip_without Xvfb xdotool dbus-daemon dbus-send "$launcher"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi missing"; exit 77; }

start_x_server "$work" || exit 1

# The session bus prints its address once it accepts connections.
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
started+=($!)
bus_known() { read -r DBUS_SESSION_BUS_ADDRESS <"$work/bus"; }
wait_for 30 "session bus address" bus_known || exit 1
export DBUS_SESSION_BUS_ADDRESS

# The accessibility bus is ready when our launcher owns its name on the session bus and hands
# out its address, and the registry answers on it. Asking before the launcher owns the name
# would start a second launcher through D-Bus activation.
"$launcher" --launch-immediately --a11y=1 >/dev/null 2>&1 &
started+=($!)
call() { # BUS DESTINATION PATH METHOD [ARGUMENTS...]
  dbus-send --bus="$1" --print-reply=literal --reply-timeout=5000 --dest="$2" "$3" "${@:4}"
}
a11y_bus=""
a11y_bus_known() {
  [[ $(call "$DBUS_SESSION_BUS_ADDRESS" org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus) == *true ]] || return 1
  read -r a11y_bus < <(call "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress)
  [[ -n $a11y_bus ]]
}
wait_for 30 "accessibility bus address" a11y_bus_known || exit 1
# The call starts the registry if it is not running yet, and is answered once it runs.
registry_answers() {
  call "$a11y_bus" org.a11y.atspi.Registry /org/a11y/atspi/registry org.freedesktop.DBus.Peer.Ping
}
wait_for 30 "accessibility registry" registry_answers || exit 1

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" >"$work/game.log" 2>&1 &
game_pid=$!
started+=("$game_pid")
window_shown() { xdotool search --onlyvisible --name '^Quorvex!$'; }
wait_for 30 "game window" window_shown || { cat "$work/game.log"; exit 1; }

# screen_reader.py waits, with a time limit, for the window to appear on the accessibility bus.
timeout -k 10 90 /usr/bin/python3 "$here/screen_reader.py"
status=$?
kill -0 "$game_pid" 2>/dev/null || { echo "FAIL: the game ended during the test"; status=1; }
[[ $status -eq 0 ]] || head -c 3000 "$work/game.log"
exit "$status"
