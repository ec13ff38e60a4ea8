#!/usr/bin/env bash
# Starts the built game on its own X server, reads the title the desktop shows, plays turns
# with real clicks at the buttons' and chips' pixel places, judges the screen by its colours,
# ends the game with End and checks the exit status. Every wait is for a condition, with a
# timeout, so a slow machine only makes the test slower. Everything it starts, it ends.
# Usage: play_real_game.sh PATH_TO_QUORVEX PATH_TO_WINDOW_PLACES
set -uo pipefail
game=$1 places=$2
here=$(dirname "$0")
source "$here/../support/script_test.sh"
source "$harness/x_server.sh"
source "$here/../support/play_by_pixels.sh"
skip_without Xvfb xdotool xprop import convert
finish() {
  report
  exit
}

pixel_places "$places" || { fail "no places"; finish; }
start_x_server "$work" || { fail "no X server"; finish; }

QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &
game_pid=$!
started+=("$game_pid")
window=""
find_window() { window=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1); [[ -n $window ]]; }
wait_for 30 "mapped window" find_window || { cat "$work/game.log"; finish; }

# The title as a desktop reads it: the window's _NET_WM_NAME.
title=""
title_shown() {
  title=$(xprop -id "$window" _NET_WM_NAME 2>&1)
  [[ $title == '_NET_WM_NAME(UTF8_STRING) = "Quorvex!"' ]]
}
wait_for 10 'title "Quorvex!"' title_shown || echo "  the window's $title"

# The class a desktop matches to the menu entry, and the icon sizes it can pick from.
class=$(xprop -id "$window" WM_CLASS 2>&1)
[[ $class == 'WM_CLASS(STRING) = "quorvex", "org.example.quorvex"' ]] || fail "the window's $class"
# _NET_WM_ICON is a list of images, each its width, its height, then its pixels. The game sets
# it just after its first frame.
icon_sizes=""
icon_set() {
  icon_sizes=$(xprop -id "$window" -notype 32c _NET_WM_ICON 2>/dev/null | awk -F', ' '{
    sub(/^[^=]*= /, ""); n = split($0, v, ", "); i = 1
    while (i + 1 <= n) { printf "%sx%s ", v[i], v[i + 1]; i += 2 + v[i] * v[i + 1] } }')
  [[ $icon_sizes == "16x16 24x24 32x32 48x48 64x64 128x128 256x256 " ]]
}
wait_for 10 "window icon at seven sizes" icon_set || echo "  the window's icon sizes: '$icon_sizes'"

wait_for 20 "first picture" all_show $background_at $blue $reel0_at $yellow $chip0_at $blue || finish
play_staked_spins

click $end_at
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
if wait_for 10 "end of the program after End" game_ended; then
  wait "$game_pid"
  status=$?
  [[ $status -eq 0 ]] || { fail "exit status $status after End"; head -c 3000 "$work/game.log"; }
fi
finish
