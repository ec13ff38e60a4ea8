#!/usr/bin/env bash
# Starts the built game on its own X server, reads the title the desktop shows, plays turns
# with real clicks at the buttons' and chips' pixel places, judges the screen by its colours,
# ends the game with End and checks the exit status. Every wait is for a condition, with a
# timeout, so a slow machine only makes the test slower. Everything it starts, it ends.
# Usage: play_real_game.sh PATH_TO_QUORVEX
set -uo pipefail
game=$1
source "$(dirname "$0")/../support/x_server.sh"
source "$(dirname "$0")/../support/script_test.sh"
for tool in Xvfb xdotool xprop import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done
finish() {
  report
  exit
}

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

shot() { import -window "$window" "$work/$1.png" 2>/dev/null; }
colour() { convert "$work/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
# crop SHOT GEOMETRY: a checksum of that part of the shot.
crop() { convert "$work/$1.png" -crop "$2" +repage -format '%#' info:; }
# Polled conditions, each on a fresh shot.
shows() { # x y r,g,b
  shot now && [[ $(colour now "$1" "$2") == "$3" ]]
}
all_show() { # x y r,g,b [x y r,g,b]...
  shot now || return 1
  while (($#)); do
    [[ $(colour now "$1" "$2") == "$3" ]] || return 1
    shift 3
  done
}
part_is() { shot now && [[ $(crop now "$1") == "$2" ]]; }
part_is_not() { shot now && [[ $(crop now "$1") != "$2" ]]; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# Places in the 679 x 479 window: button and chip centres, and the parts that change.
reels=241x81+272+48
stake=273x41+304+376
blue=0,0,255 yellow=255,255,0 chip_green=0,128,0

wait_for 20 "first picture" all_show 255 20 $blue 274 125 $yellow 300 168 $blue || finish
shot start
start_reels=$(crop start $reels)
zero_stake=$(crop start $stake)

changed=0
for attempt in 1 2 3; do # three zeros again has odds of one in a thousand
  click 72 104 # Bet
  wait_for 10 "chips in betting mode (attempt $attempt)" \
    all_show 244 168 $chip_green 484 312 $chip_green || break
  click 300 168 # chip 0, one dollar
  wait_for 10 "stake of one dollar (attempt $attempt)" part_is_not $stake "$zero_stake" || break
  click 180 104 # Done
  wait_for 10 "chips hidden again (attempt $attempt)" shows 300 168 $blue || break
  click 72 44 # Spin: the stake goes back to 0 when the reels have been drawn
  wait_for 10 "spin (attempt $attempt)" part_is $stake "$zero_stake" || break
  if [[ $(crop now $reels) != "$start_reels" ]]; then
    changed=1
    break
  fi
done
[[ $failures -eq 0 && $changed -eq 0 ]] && fail "no reel changed in three spins"

click 72 168 # End
game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
if wait_for 10 "end of the program after End" game_ended; then
  wait "$game_pid"
  status=$?
  [[ $status -eq 0 ]] || { fail "exit status $status after End"; head -c 3000 "$work/game.log"; }
fi
finish
