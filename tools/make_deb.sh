#!/usr/bin/env bash
# Builds the Debian package of a finished build into a folder, the same bytes for the same
# commit: CPack lays out the package and finds its dependencies, then dpkg-deb packs that
# tree again with root as owner, names in order and every time clamped to SOURCE_DATE_EPOCH
# (CPack stamps each member with the time of packing).
# Usage: SOURCE_DATE_EPOCH=... make_deb.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
build=$1
output=$2
: "${SOURCE_DATE_EPOCH:?the commit time, e.g. git log -1 --format=%ct}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; exit 1; }
debs=("$work"/cpack/*.deb)
dpkg-deb -R "${debs[0]}" "$work/tree"
find "$work/tree" -newermt "@$SOURCE_DATE_EPOCH" -exec touch --no-dereference -d "@$SOURCE_DATE_EPOCH" {} +
chmod -R go-w "$work/tree"
dpkg-deb --root-owner-group -Zxz --build "$work/tree" "$output/$(basename "${debs[0]}")" >/dev/null
