#!/usr/bin/env bash
# Reads what the Windows executable carries: the version block, the three-image icon and the
# manifest of its resources, the GUI subsystem, the hardening and reproducibility of its
# header, no debug sections, and imports from no DLL outside Windows itself (the compiler's
# runtime and Qt are linked in).
# Usage: check_executable.sh PATH_TO_quorvex.exe
set -uo pipefail
exe=$1
for tool in x86_64-w64-mingw32-windres x86_64-w64-mingw32-objdump strings; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
done
[[ -f $exe ]] || { echo "SKIP: $exe not built (make windows)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
x86_64-w64-mingw32-windres -i "$exe" -O rc -o "$work/resources.rc" || { echo "no resources read"; exit 1; }
x86_64-w64-mingw32-objdump -p "$exe" >"$work/headers.txt" || exit 1

source "$(dirname "$0")/../../packaging/version_block.sh"
failed=0
check_version_block "$work/resources.rc" || failed=1
grep -qF '"IDI_ICON1" 14 /* RT_GROUP_ICON */' "$work/resources.rc" ||
  { echo "missing: the icon group IDI_ICON1"; failed=1; }
icons=$(grep -c '/\* RT_ICON \*/' "$work/resources.rc")
groups=$(grep -c '/\* RT_GROUP_ICON \*/' "$work/resources.rc")
[[ $icons -eq 3 && $groups -eq 1 ]] || { echo "$icons icon images in $groups groups, not 3 in 1"; failed=1; }

grep -q 'Subsystem.*(Windows GUI)' "$work/headers.txt" || { echo "not a GUI subsystem program"; failed=1; }

# The manifest Windows reads at start: Windows 10 and 11, no elevation, and the per-monitor
# (v2) DPI awareness Qt asks for itself.
manifest=$(strings -a "$exe" | sed -n '/<assembly /,/<\/assembly>/p')
for part in 'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' \
  'requestedExecutionLevel level="asInvoker"' '>PerMonitorV2</dpiAwareness>' \
  '>true/pm</dpiAware>'; do
  [[ $manifest == *"$part"* ]] || { echo "the manifest lacks $part"; failed=1; }
done
# Address-space randomisation (64-bit), no executable data, no link time, no debug sections.
for flag in HIGH_ENTROPY_VA DYNAMIC_BASE NX_COMPAT; do
  grep -q "^\s*$flag$" "$work/headers.txt" || { echo "DllCharacteristics lacks $flag"; failed=1; }
done
grep -q '^Time/Date\s.*1970' "$work/headers.txt" ||
  { echo "link time in the header: $(grep '^Time/Date' "$work/headers.txt")"; failed=1; }
x86_64-w64-mingw32-objdump -h "$exe" | grep -q ' \.debug_' &&
  { echo "debug sections shipped"; failed=1; }

# Windows' own DLLs and API sets; anything else would have to be shipped beside the program.
windows='advapi32 authz comctl32 comdlg32 d3d9 d3d11 d3d12 dwmapi dwrite dxgi gdi32 imm32 kernel32
  mpr msvcrt netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme
  version winmm winspool.drv ws2_32 wtsapi32'
imports=$(sed -n 's/^\s*DLL Name: //p' "$work/headers.txt" | tr 'A-Z' 'a-z' | tr -d '\r')
[[ -n $imports ]] || { echo "no imports read"; failed=1; }
for dll in $imports; do
  base=${dll%.dll}
  [[ $base == api-ms-win-* ]] && continue
  [[ " $(echo $windows) " == *" $base "* || " $(echo $windows) " == *" $dll "* ]] ||
    { echo "imports $dll, which is not part of Windows"; failed=1; }
done
echo "imports: $(echo $imports)"

[[ $failed -eq 0 ]] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
