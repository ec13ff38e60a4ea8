# shellcheck shell=bash
# Sourced by the tests that run Windows programs under Wine on an X server of their own: a
# scratch folder with a fresh Wine prefix, Xvfb on a free display, waits for conditions with
# a time limit, and an ending that stops everything the test started (the game, Wine's
# server of this prefix and the programs Wine starts with it, Xvfb) and removes the folder.
source "$(dirname "${BASH_SOURCE[0]}")/../../support/x_server.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine_status.sh"
for tool in wine wineserver Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# The game meets only the fonts of a stock Windows and its own, none of the host's.
export FONTCONFIG_FILE
FONTCONFIG_FILE=$(realpath "$(dirname "${BASH_SOURCE[0]}")/stock_fonts.conf")
# winemenubuilder would copy shortcuts into the real desktop's menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
x_server_pid="" game_pid=""
end_session() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  [[ -n $x_server_pid ]] && kill "$x_server_pid" 2>/dev/null
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

start_display() { start_x_server "$work" || exit 1; }
