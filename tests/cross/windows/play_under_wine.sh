#!/usr/bin/env bash
# Plays the Windows executable under Wine on an X server of its own with a fresh Wine
# prefix (tests/cross/windows/play_game.sh says what is checked).
# QUORVEX_WINDOWS_SHOTS=FOLDER keeps screenshots of the screen in play and betting mode.
# Usage: play_under_wine.sh PATH_TO_quorvex.exe
set -uo pipefail
game=$1
[[ -f $game ]] || { echo "SKIP: $game not built (make windows)"; exit 77; }
here=$(dirname "$0")
source "$here/wine_session.sh"
source "$here/play_game.sh"
start_display
play_game "$game"
report
