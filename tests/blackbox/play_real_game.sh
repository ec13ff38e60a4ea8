#!/usr/bin/env bash
# Starts the built game on a fresh X server, plays a turn with real clicks at the buttons'
# and chips' pixel places, checks the screen by its colours, ends the game with End and
# checks the exit status. Everything it starts, it ends.
# Usage: play_real_game.sh PATH_TO_QUORVEX
set -uo pipefail
game=$1
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done
work=$(mktemp -d)
xvfb_pid="" game_pid=""
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody uses.
display=""
for n in $(seq 90 140); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=:$n; break; fi
done
[[ -n $display ]] || { echo "no free display"; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

QT_QPA_PLATFORM=xcb "$game" >"$work/game.log" 2>&1 &
game_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorvex!$' | head -n 1)
[[ -n $window ]] || { echo "the window never appeared"; cat "$work/game.log"; exit 1; }
sleep 0.5

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
shot() { import -window "$window" "$work/$1.png"; }
colour() { convert "$work/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
expect_colour() { # shot x y r,g,b what
  local seen
  seen=$(colour "$1" "$2" "$3")
  [[ $seen == "$4" ]] || fail "$5: at $2,$3 saw $seen, expected $4"
}
reels() { convert "$work/$1.png" -crop 241x81+272+48 +repage -format '%#' info:; }

# Pixel places: button and chip centres of the 679 x 479 window.
shot start
expect_colour start 255 20 0,0,255 "blue background"
expect_colour start 274 125 255,255,0 "yellow reel"
expect_colour start 300 168 0,0,255 "no chips in play mode"
start_reels=$(reels start)
changed=0
for attempt in 1 2 3; do # three zeros again has odds of one in a thousand
  click 72 104     # Bet
  shot betting
  expect_colour betting 244 168 0,128,0 "chip 0 shown in betting mode"
  expect_colour betting 484 312 0,128,0 "chip 11 shown in betting mode"
  click 300 168    # chip 0, one dollar
  click 180 104    # Done
  click 72 44      # Spin
  shot spun
  expect_colour spun 300 168 0,0,255 "chips hidden again"
  if [[ $(reels spun) != "$start_reels" ]]; then changed=1; break; fi
done
[[ $changed -eq 1 ]] || fail "no reel changed in three spins"

click 72 168       # End
status=""
for _ in $(seq 50); do
  if ! kill -0 "$game_pid" 2>/dev/null; then wait "$game_pid"; status=$?; break; fi
  sleep 0.1
done
game_pid_done=$game_pid
game_pid=""
[[ -n $status ]] || { fail "End did not end the program"; game_pid=$game_pid_done; }
[[ -z $status || $status -eq 0 ]] || { fail "exit status $status after End"; head -c 3000 "$work/game.log"; }

if [[ $failures -eq 0 ]]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
[[ $failures -eq 0 ]]
