#!/usr/bin/env bash
# Compiles the Windows resource script and reads it back: the version block and the icon.
# Usage: check_resources.sh RESOURCE_SCRIPT (the one the build configured)
set -euo pipefail
script=$1
source "$(dirname "$0")/../support/script_test.sh"
skip_without x86_64-w64-mingw32-windres
x86_64-w64-mingw32-windres --preprocessor=cpp "$script" -O res -o "$work/quorvex.res"
x86_64-w64-mingw32-windres -J res -i "$work/quorvex.res" -O rc > "$work/decompiled.rc"
source "$(dirname "$0")/version_block.sh"
check_version_block "$work/decompiled.rc" || fail "the version block"
report
