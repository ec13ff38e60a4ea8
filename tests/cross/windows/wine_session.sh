# shellcheck shell=bash
# Sourced by the tests that run Windows programs under Wine on an X server of their own: a
# fresh Wine prefix in the scratch folder, Xvfb on a free display, and an ending that stops
# Wine's server of this prefix and the programs Wine starts with it before everything else the
# test started (tests/support/script_test.sh).
source "$(dirname "${BASH_SOURCE[0]}")/../../support/x_server.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../support/script_test.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine_status.sh"
for tool in wine wineserver Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done

export WINEPREFIX=$work/prefix WINEDEBUG=-all
# The game meets only the fonts of a stock Windows and its own, none of the host's.
export FONTCONFIG_FILE
FONTCONFIG_FILE=$(realpath "$(dirname "${BASH_SOURCE[0]}")/stock_fonts.conf")
# winemenubuilder would copy shortcuts into the real desktop's menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
before_cleanup() {
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}

start_display() { start_x_server "$work" || exit 1; }
