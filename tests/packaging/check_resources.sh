#!/usr/bin/env bash
# Compiles the Windows resource script and reads it back: the version block and the icon.
# Usage: check_resources.sh ASSETS_DIR
set -euo pipefail
assets=$1
windres=$(command -v x86_64-w64-mingw32-windres) || { echo "SKIP: windres missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$assets/quorvex.rc" "$assets/quorvex.ico" "$work/"
(cd "$work" && "$windres" --preprocessor=cpp quorvex.rc -O res -o quorvex.res)
"$windres" -J res -i "$work/quorvex.res" -O rc > "$work/decompiled.rc"
failed=0
expect() {
  if ! grep -qF -- "$1" "$work/decompiled.rc"; then
    echo "missing: $1"
    failed=1
  fi
}
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'FILETYPE 0x1'
expect 'BLOCK "040904B0"'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "ProductName", "quorvex"'
expect 'VALUE "InternalName", "Quorvex 2.0"'
expect 'VALUE "OriginalFilename", "Quorvex 2.0.exe"'
expect 'VALUE "CompanyName", '
expect 'VALUE "Translation", 0x409, 1200'
expect 'Has 3 elements'
expect '"\040\040\020\000", 1, 4,'
expect '"\020\020\020\000", 1, 4,'
expect '"\040\040\002\000", 1, 1,'
strings=$(sed -n '/BLOCK "040904B0"/,/END/p' "$work/decompiled.rc" | grep -c 'VALUE')
tables=$(grep -c 'BLOCK "[0-9A-F]\{8\}"' "$work/decompiled.rc")
[[ $strings -eq 6 ]] || { echo "string table holds $strings entries, not 6"; failed=1; }
[[ $tables -eq 1 ]] || { echo "$tables string tables, not 1"; failed=1; }
[[ $failed -eq 0 ]] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
