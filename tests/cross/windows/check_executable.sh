#!/usr/bin/env bash
# Reads what the Windows executable carries: the version block, the three-image icon and the
# manifest of its resources, the GUI subsystem, the hardening and reproducibility of its
# header, no debug sections, and imports from no DLL outside Windows itself (the compiler's
# runtime and Qt are linked in).
# Usage: check_executable.sh PATH_TO_quorvex.exe
set -uo pipefail
exe=$1
source "$(dirname "$0")/../../support/script_test.sh"
skip_without x86_64-w64-mingw32-windres x86_64-w64-mingw32-objdump strings
[[ -f $exe ]] || { echo "SKIP: $exe not built (make windows)"; exit 77; }
x86_64-w64-mingw32-windres -i "$exe" -O rc -o "$work/resources.rc" || { echo "no resources read"; exit 1; }
x86_64-w64-mingw32-objdump -p "$exe" >"$work/headers.txt" || exit 1

source "$(dirname "$0")/../../packaging/version_block.sh"
check_version_block "$work/resources.rc" || fail "the version block"
grep -qF '"IDI_ICON1" 14 /* RT_GROUP_ICON */' "$work/resources.rc" ||
  fail "missing: the icon group IDI_ICON1"
icons=$(grep -c '/\* RT_ICON \*/' "$work/resources.rc")
groups=$(grep -c '/\* RT_GROUP_ICON \*/' "$work/resources.rc")
[[ $icons -eq 3 && $groups -eq 1 ]] || fail "$icons icon images in $groups groups, not 3 in 1"

grep -q 'Subsystem.*(Windows GUI)' "$work/headers.txt" || fail "not a GUI subsystem program"

# The manifest Windows reads at start: Windows 10 and 11, no elevation, and the per-monitor
# (v2) DPI awareness Qt asks for itself.
manifest=$(strings -a "$exe" | sed -n '/<assembly /,/<\/assembly>/p')
for part in 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' \
  'requestedExecutionLevel level="asInvoker"' '>PerMonitorV2</dpiAwareness>' \
  '>true/pm</dpiAware>'; do
  [[ $manifest == *"$part"* ]] || fail "the manifest lacks $part"
done
# Address-space randomisation (64-bit), no executable data, no link time, no debug sections.
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
  grep -q "^\s*$flag$" "$work/headers.txt" || fail "DllCharacteristics lacks $flag"
done
grep -q '^Time/Date\s.*1970' "$work/headers.txt" ||
  fail "link time in the header: $(grep '^Time/Date' "$work/headers.txt")"
x86_64-w64-mingw32-objdump -h "$exe" | grep -q ' \.debug_' &&
  fail "debug sections shipped"

# Windows' own DLLs and API sets; anything else would have to be shipped beside the program.
windows='advapi32 authz comctl32 comdlg32 d3d9 d3d11 d3d12 dwmapi dwrite dxgi gdi32 imm32 kernel32
  mpr msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme
  version winmm winspool.drv ws2_32 wtsapi32'
imports=$(sed -n 's/^\s*DLL Name: //p' "$work/headers.txt" | tr 'A-Z' 'a-z' | tr -d '\r')
[[ -n $imports ]] || fail "no imports read"
for dll in $imports; do
  base=${dll%.dll}
  [[ $base == api-ms-win-* ]] && continue
  [[ " $(echo $windows) " == *" $base "* || " $(echo $windows) " == *" $dll "* ]] ||
    fail "imports $dll, which is not part of Windows"
done
echo "imports: $(echo $imports)"

report
