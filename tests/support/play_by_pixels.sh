# shellcheck shell=bash
# Sourced, after script_test.sh, by the tests that play the game's window with real clicks at
# pixel places and judge it by screenshots (xdotool, and ImageMagick's import and convert), on
# Linux and under Wine alike. The test sets `window` to the window's X id.
source "$harness/places.sh"
blue=0,0,255 yellow=255,255,0 chip_green=0,128,0

# pixel_places PROGRAM: the places in the window, in pixels, from tools/window_places (PROGRAM).
# A place is "X Y", a button's or a chip's centre or a point of a part; a part is a geometry,
# WxH+X+Y.
pixel_places() {
  read_places "$1" || return 1
  window_size=$(part_of window)
  window_size=${window_size%%+*} # WxH
  spin_at=$(centre_of Spin) bet_at=$(centre_of Bet) done_at=$(centre_of Done)
  end_at=$(centre_of End)
  chip0_at=$(centre_of chip0) # chip 0, one dollar; blue while the chips are hidden
  # Green only while the chips are shown: 4 pixels inside a chip's left edge, at its middle.
  chip0_edge="$((place_chip0[0] + 4)) ${place_chip0[5]}"
  chip11_edge="$((place_chip11[0] + 4)) ${place_chip11[5]}"
  # The background between the buttons and the reels; reel 0's lower left, clear of its digit.
  background_at="$((place_Reset[0] + place_Reset[2] + 14)) $((place_Reset[1] + 4))"
  reel0_at="$((place_reel0[0] + 2)) $((place_reel0[1] + place_reel0[3] - 4))"
  reels=$(part_of reels) stake=$(part_of Amt) reel0_inside=$(part_of reel0 1)
}

# shot NAME: a screenshot of the window, kept as NAME in the scratch folder.
shot() { import -window "$window" "$work/$1.png" 2>/dev/null; }
colour() { # SHOT X Y: the colour there, as R,G,B
  convert "$work/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
crop() { convert "$work/$1.png" -crop "$2" +repage -format '%#' info:; } # SHOT PART: a checksum
# Conditions to poll, each on a fresh shot "now".
all_show() { # X Y R,G,B [X Y R,G,B]...: each place has its colour
  shot now || return 1
  while (($#)); do
    [[ $(colour now "$1" "$2") == "$3" ]] || return 1
    shift 3
  done
}
part_is() { shot now && [[ $(crop now "$1") == "$2" ]]; }         # PART CHECKSUM
part_is_not() { shot now && [[ $(crop now "$1") != "$2" ]]; }     # PART CHECKSUM
click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; } # X Y [BUTTON]

# play_staked_spins: turns of Bet, chip 0, Done and Spin until a reel shows another digit
# than before the first; three at most, as three zeros again has odds of one in a thousand.
# A test that keeps screenshots defines keep NAME; the betting mode is kept once.
play_staked_spins() {
  local start_reels zero_stake attempt
  shot start || { fail "no screenshot of the window"; return 1; }
  start_reels=$(crop start $reels)
  zero_stake=$(crop start $stake)
  for attempt in 1 2 3; do
    click $bet_at
    wait_for 10 "chips in betting mode (attempt $attempt)" \
      all_show $chip0_edge $chip_green $chip11_edge $chip_green || return 1
    ((attempt > 1)) || ! declare -F keep >/dev/null || keep betting-mode
    click $chip0_at
    wait_for 10 "stake of one dollar (attempt $attempt)" part_is_not $stake "$zero_stake" || return 1
    click $done_at
    wait_for 10 "chips hidden again (attempt $attempt)" all_show $chip0_at $blue || return 1
    click $spin_at # the stake goes back to 0 when the reels have been drawn
    wait_for 10 "spin (attempt $attempt)" part_is $stake "$zero_stake" || return 1
    [[ $(crop now $reels) != "$start_reels" ]] && return 0
  done
  fail "no reel changed in three spins"
}
