#!/usr/bin/env bash
# Plays the Windows executable under Wine on an X server of its own with a fresh Wine
# prefix (tests/cross/windows/play_game.sh says what is checked).
# QUORVEX_WINDOWS_SHOTS=FOLDER keeps screenshots of the screen in play and betting mode.
# Usage: play_under_wine.sh PATH_TO_quorvex.exe PATH_TO_WINDOW_PLACES
set -uo pipefail
game=$1 places=$2
support=$(dirname "$0")/../../support
source "$support/script_test.sh"
skip_without wine wineserver Xvfb xdotool import convert
[[ -f $game ]] || { echo "SKIP: $game not built (make windows)"; exit 77; }
source "$harness/x_server.sh"
source "$harness/wine_session.sh"
source "$support/play_by_pixels.sh"
source "$(dirname "$0")/play_game.sh"
wine_session "$work/prefix" own stock-fonts
pixel_places "$places" || exit 1
start_x_server "$work" || exit 1
play_game "$game"
report
