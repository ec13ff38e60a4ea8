# Sourced after tests/support/play_by_pixels.sh, whose places pixel_places has read, and
# tools/harness/wine_session.sh. play_game EXE plays the Windows executable on the test's
# display: the window's title and client size, Bet showing the chips, a staked spin changing a
# reel, a chip's value in a message box titled "Quorvex 2.0", and End ending the program with
# status 0. Every wait is for a condition, with a time limit.
# QUORVEX_WINDOWS_SHOTS=FOLDER keeps screenshots of the screen in play and betting mode.
play_game() {
  local game=$1
  wine_with_status "$work/status" "$game" >"$work/game.log" 2>&1 &
  game_pid=$!
  started+=("$game_pid")
  window=""
  game_window() { # a visible top-level window of the program, found by its class, not its title
    local id
    for id in $(xdotool search --onlyvisible --classname '^quorvex\.exe$'); do
      [[ $(xdotool getwindowname "$id") != "Default IME" ]] && window=$id && return 0
    done
    return 1
  }
  # A fresh prefix is set up first, which takes Wine some seconds.
  wait_for 180 "game window" game_window || {
    cat "$work/game.log"
    exit 1
  }
  title() { xdotool getwindowname "$window"; }
  size() { xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p'; }
  settled() { game_window && [[ $(title) == "Quorvex!" && $(size) == "$window_size" ]]; }
  wait_for 10 "title \"Quorvex!\" and a $window_size client area" settled ||
    echo "  the window's title '$(title)', client area $(size)"

  keep() { [[ -z ${QUORVEX_WINDOWS_SHOTS:-} ]] || import -window root "$QUORVEX_WINDOWS_SHOTS/$1.png"; }
  box_shown() { xdotool search --onlyvisible --name '^Quorvex 2\.0$' >/dev/null; }
  box_gone() { ! box_shown; }

  wait_for 10 "yellow reel" all_show $reel0_at $yellow
  # The first reel's red ink, inside its border: the digit stands about 47 px high in its
  # designed cut, also where Windows has no such face and the game brings its own.
  digit_height=$(convert "$work/now.png" -crop $reel0_inside +repage -fuzz 35% -fill white \
    +opaque 'rgb(255,0,0)' -trim -format '%h' info:)
  echo "the reel digit is $digit_height px high"
  ((digit_height >= 44 && digit_height <= 50)) || fail "reel digit $digit_height px high, not about 47"
  all_show $background_at $blue || fail "no blue background"
  all_show $chip0_at $blue || fail "chips shown in play mode"
  keep play-mode
  play_staked_spins

  click $bet_at
  wait_for 10 "chips for the right-press" all_show $chip0_edge $chip_green
  click $chip0_at 3 # a right-press: the chip's value
  if wait_for 10 "message box titled 'Quorvex 2.0' after a right-press on a chip" box_shown; then
    box=$(xdotool search --onlyvisible --name '^Quorvex 2\.0$' | head -n 1)
    [[ $(xdotool getwindowname "$box") == "Quorvex 2.0" ]] || fail "message box title"
    xdotool key --window "$box" Return 2>/dev/null
    wait_for 10 "message box closed by Return" box_gone
  fi

  click $end_at
  status=""
  if wait_for 30 "end of the program after End" read_status "$work/status"; then
    [[ $status -eq 0 ]] || fail "exit status $status after End"
  fi
}
