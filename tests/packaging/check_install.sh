#!/usr/bin/env bash
# Installs into a scratch prefix and validates the desktop entry, the metainfo and the icon.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
failed=0
check() { "$@" || { echo "failed: $*"; failed=1; }; }
check test -x "$prefix/bin/quorvex"
check test -s "$share/icons/hicolor/32x32/apps/quorvex.png"
check desktop-file-validate "$share/applications/io.github.quorvex.Quorvex.desktop"
check appstreamcli validate --no-net --explain "$share/metainfo/io.github.quorvex.Quorvex.metainfo.xml"
check grep -qx 'Icon=quorvex' "$share/applications/io.github.quorvex.Quorvex.desktop"
[[ $failed -eq 0 ]] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
