#!/usr/bin/env bash
# Compiles the Windows resource script and reads it back: the version block and the icon.
# Usage: check_resources.sh RESOURCE_SCRIPT (the one the build configured)
set -euo pipefail
script=$1
windres=$(command -v x86_64-w64-mingw32-windres) || { echo "SKIP: windres missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$windres" --preprocessor=cpp "$script" -O res -o "$work/quorvex.res"
"$windres" -J res -i "$work/quorvex.res" -O rc > "$work/decompiled.rc"
source "$(dirname "$0")/version_block.sh"
failed=0
check_version_block "$work/decompiled.rc" || failed=1
[[ $failed -eq 0 ]] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
