#!/usr/bin/env bash
# The package as a player meets it, on a machine it was not built on: lintian of this release
# passes it, apt installs it with its dependencies, the installed game plays (the black-box
# test), and apt removes it without a trace. Run as root in a scratch root.
# Usage: check_installed_deb.sh PACKAGE.deb WINDOW_PLACES   (tools/window_places, built elsewhere)
set -euo pipefail
deb=$(realpath "$1") places=$(realpath "$2")
cd "$(dirname "$0")/../.."
bash tools/setup.sh test package >/dev/null
lintian --fail-on error,warning --info --pedantic "$deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
echo "== installed on $(. /etc/os-release && echo "$PRETTY_NAME"): $(dpkg-query -W quorvex)"
bash tests/blackbox/play_real_game.sh /usr/games/quorvex "$places"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq quorvex >/dev/null
left=$(ls /usr/games/quorvex /usr/share/applications/org.example.quorvex.desktop 2>/dev/null || true)
[[ -z $left ]] || { echo "FAIL: left after removal: $left"; exit 1; }
echo "== removed"
