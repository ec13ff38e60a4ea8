#!/usr/bin/env bash
# Runs one QtTest suite of the Windows build under Wine and passes on its exit status.
# - A QtTest program under Wine writes nothing to this terminal, so its log goes to a file
#   (Wine maps Z: to /) that is printed afterwards.
# - Wine hands no QT_* variable to Windows programs unless it is spelled WINEQT_*.
# - Qt's offscreen platform on Windows reads fonts from one folder rather than from the
#   system, so it is given a folder holding the system's fonts, the ones Wine registers for
#   Windows programs (Wine's own Tahoma and MS Sans Serif do not reach Qt's font list).
# - QUORVEX_STOCK_FONTS=1 hides the host's fonts, so that a suite meets only the fonts of a
#   stock Windows and the game's own; Wine keeps a list of fonts in its prefix, so such a
#   suite has a prefix of its own.
# - The suites share one Wine prefix beside them (some 700 MB) for each Wine version, made on
#   the first run and kept. Suites may run side by side in it, so none ends Wine's server by force: each waits,
#   a minute at most, for the server to end by itself once the last program in it has ended.
# - On the Windows platform the suite's windows are real ones, which Wine shows on an X server
#   of the suite's own.
# Usage: run_suite.sh PROGRAM.exe SUITE [ARGUMENTS...]   (quorvex_suites.exe and the suite it runs)
set -uo pipefail
program=$1
shift
support=$(dirname "$0")/../../support
source "$support/script_test.sh"
skip_without wine wineserver fc-list
[[ ${QT_QPA_PLATFORM:-} == windows ]] && skip_without Xvfb
[[ -f $program ]] || { echo "SKIP: $program not built (make windows)"; exit 77; }
source "$harness/x_server.sh"
source "$harness/wine_session.sh"
program=$(realpath "$program")
build=$(dirname "$program")

fonts=$build/wine-fonts
if [[ ! -d $fonts ]]; then
  mkdir -p "$fonts.new.$$"
  fc-list --format '%{file}\n' | grep -Ei '\.(ttf|otf)$' | sort -u | while read -r file; do
    ln -sf "$file" "$fonts.new.$$/"
  done
  mv -T "$fonts.new.$$" "$fonts" 2>/dev/null || rm -rf "$fonts.new.$$"
fi
export QT_QPA_FONTDIR
QT_QPA_FONTDIR=$(windows_path "$fonts")
while IFS='=' read -r variable value; do
  export "WINE$variable=$value"
done < <(env | grep '^QT_')

# One prefix per Wine version, as the tests of one build may run under Wine 8 and Wine 10.
wine=$(wine --version)
prefix=$build/${wine%% *}-prefix
if [[ ${QUORVEX_STOCK_FONTS:-0} == 1 ]]; then
  wine_session "$prefix-stock-fonts" shared stock-fonts
else
  wine_session "$prefix" shared
fi
log=$work/log.txt
if [[ ${QT_QPA_PLATFORM:-} == windows ]]; then
  start_x_server "$work" || exit 1
fi

wine_with_status "$work/status" "$program" "$@" -o "$(windows_path "$log"),txt" </dev/null
cat "$log"
status=""
read_status "$work/status" || { echo "FAIL: the suite ended without an exit status"; exit 1; }
[[ $status -eq 0 ]] || { echo "FAIL: exit status $status"; exit 1; }
