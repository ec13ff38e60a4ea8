# Sourced after wine_session.sh. play_game EXE plays the Windows executable on the session's
# display: the window's title and client size, Bet showing the chips, a staked spin changing
# a reel, a chip's value in a message box titled "Quorvex 2.0", and End ending the program
# with status 0. Every wait is for a condition, with a time limit.
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
  settled() { game_window && [[ $(title) == "Quorvex!" && $(size) == 679x479 ]]; }
  wait_for 10 'title "Quorvex!" and a 679x479 client area' settled ||
    echo "  the window's title '$(title)', client area $(size)"

  shot() { import -window "$window" "$work/$1.png"; }
  keep() { [[ -z ${QUORVEX_WINDOWS_SHOTS:-} ]] || import -window root "$QUORVEX_WINDOWS_SHOTS/$1.png"; }
  colour() { convert "$work/$1.png" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
  # shows X Y R,G,B: a fresh screenshot has that colour at that place
  shows() { shot now && [[ $(colour now "$1" "$2") == "$3" ]]; }
  # crop GEOMETRY: a checksum of that part of a fresh screenshot
  crop() { shot now && convert "$work/now.png" -crop "$1" +repage -format '%#' info:; }
  part_is() { [[ $(crop "$1") == "$2" ]]; }
  part_is_not() { [[ $(crop "$1") != "$2" ]]; }
  click() { xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"; }
  box_shown() { xdotool search --onlyvisible --name '^Quorvex 2\.0$' >/dev/null; }
  box_gone() { ! box_shown; }

  # Pixel places: button and chip centres, and the parts that change, of the 679 x 479 client
  # area.
  local reels=241x81+272+48 stake=273x41+304+376
  wait_for 10 "yellow reel" shows 274 125 255,255,0
  # The first reel's red ink, inside its border: the digit stands about 47 px high in its
  # designed cut, also where Windows has no such face and the game brings its own.
  digit_height=$(convert "$work/now.png" -crop 79x79+273+49 +repage -fuzz 35% -fill white \
    +opaque 'rgb(255,0,0)' -trim -format '%h' info:)
  echo "the reel digit is $digit_height px high"
  ((digit_height >= 44 && digit_height <= 50)) || fail "reel digit $digit_height px high, not about 47"
  shows 255 20 0,0,255 || fail "no blue background"
  shows 300 168 0,0,255 || fail "chips shown in play mode"
  keep play-mode
  local start_reels zero_stake changed=0 attempt failed_before=$failures
  start_reels=$(crop $reels)
  zero_stake=$(crop $stake)
  for attempt in 1 2 3; do # three zeros again has odds of one in a thousand
    click 72 104 # Bet
    wait_for 10 "chip 0 after Bet (attempt $attempt)" shows 244 168 0,128,0 || break
    shows 484 312 0,128,0 || fail "chip 11 not shown after Bet"
    [[ $attempt -eq 1 ]] && keep betting-mode
    click 300 168 # chip 0, one dollar
    wait_for 10 "stake of one dollar (attempt $attempt)" part_is_not $stake "$zero_stake" || break
    click 180 104 # Done
    wait_for 10 "chips hidden again (attempt $attempt)" shows 300 168 0,0,255 || break
    click 72 44 # Spin: the stake goes back to 0 when the reels have been drawn
    wait_for 10 "spin (attempt $attempt)" part_is $stake "$zero_stake" || break
    if [[ $(crop $reels) != "$start_reels" ]]; then
      changed=1
      break
    fi
  done
  [[ $failures -eq $failed_before && $changed -eq 0 ]] && fail "no reel changed in three spins"

  click 72 104 # Bet
  wait_for 10 "chips for the right-press" shows 244 168 0,128,0
  click 300 168 3 # right-press chip 0: its value
  if wait_for 10 "message box titled 'Quorvex 2.0' after a right-press on a chip" box_shown; then
    box=$(xdotool search --onlyvisible --name '^Quorvex 2\.0$' | head -n 1)
    [[ $(xdotool getwindowname "$box") == "Quorvex 2.0" ]] || fail "message box title"
    xdotool key --window "$box" Return 2>/dev/null
    wait_for 10 "message box closed by Return" box_gone
  fi

  click 72 168 # End
  status=""
  if wait_for 30 "end of the program after End" read_status "$work/status"; then
    [[ $status -eq 0 ]] || fail "exit status $status after End"
  fi
}
