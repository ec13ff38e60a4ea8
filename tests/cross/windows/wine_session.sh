# Sourced by the tests that run Windows programs under Wine on an X server of their own: a
# scratch folder with a fresh Wine prefix, Xvfb on a free display, waits for conditions with
# a time limit, and an ending that stops everything the test started (the game, Wine's
# server of this prefix and the programs Wine starts with it, Xvfb) and removes the folder.
for tool in wine wineserver Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# winemenubuilder would copy shortcuts into the real desktop's menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
xvfb_pid="" game_pid=""
end_session() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap end_session EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# wait_for SECONDS COMMAND...: true once COMMAND succeeds, false when the time is up.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}
report() {
  if [[ $failures -eq 0 ]]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
  [[ $failures -eq 0 ]]
}

start_display() {
  local n display=""
  for n in $(seq 190 219); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=:$n; break; fi
  done
  [[ -n $display ]] || { echo "no free display"; exit 1; }
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display
  wait_for 20 xdotool getmouselocation >/dev/null || { echo "Xvfb did not start"; exit 1; }
}
