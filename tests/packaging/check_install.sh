#!/usr/bin/env bash
# Installs into a scratch prefix and checks what the desktop reads there: one id for the menu
# entry, the metadata and the icons; the entry and metadata valid; a software-centre catalogue
# composed from the tree keeps the game with its icon.
# Usage: check_install.sh BUILD_DIR
set -uo pipefail
build=$1
source "$(dirname "$0")/../support/script_test.sh"
skip_without desktop-file-validate appstreamcli /usr/libexec/appstreamcli-compose
root=$work/root
cmake --install "$build" --prefix "$root/usr" >/dev/null || { echo "install failed"; exit 1; }
share=$root/usr/share
id=org.example.quorvex
check() { "$@" || fail "$*"; }

check test -x "$root/usr/games/quorvex"
check test -s "$share/man/man6/quorvex.6.gz"
check test -s "$share/doc/quorvex/copyright"
check test -s "$share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  check test -s "$png"
  # The PNG header holds the width and height at bytes 16 to 23.
  check test "$(od -An -tx1 -j16 -N8 "$png" 2>/dev/null | tr -d ' \n')" = \
    "$(printf '%08x%08x' "$size" "$size")"
done

desktop=$share/applications/$id.desktop
metainfo=$share/metainfo/$id.metainfo.xml
check desktop-file-validate "$desktop"
check grep -qx "Icon=$id" "$desktop"
check grep -qx "StartupWMClass=$id" "$desktop"
check grep -qx "Exec=quorvex" "$desktop"
check grep -qx "Categories=Game;ArcadeGame;" "$desktop"
check grep -q "<id>$id</id>" "$metainfo"
check grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo"
check grep -q '<content_attribute id="money-gambling">moderate</content_attribute>' "$metainfo"

validation=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)
[[ $? -eq 0 ]] || fail "appstreamcli validate --pedantic"
echo "$validation"

out=$work/catalogue
appstreamcli compose --no-net --origin=quorvex --result-root="$out" --data-dir="$out/data" \
  --icons-dir="$out/icons" --hints-dir="$out/hints" "$root" >"$work/compose.log" 2>&1 ||
  { fail "appstreamcli compose"; cat "$work/compose.log"; }
catalogue=$(zcat "$out/data/quorvex.xml.gz" 2>/dev/null)
check grep -q "<id>$id</id>" <<<"$catalogue"
check grep -q '<icon type="cached" width="64" height="64">' <<<"$catalogue"
check test -s "$out/icons/64x64/$id.png"

report
