#!/usr/bin/env bash
# ./dev bench's Windows row: quorvex.exe's start-up under Wine, from the wine command to the
# window "Quorvex!" shown on an Xvfb of its own, in a Wine prefix set up beforehand (median of
# several starts), or the reason it is missing. A report, not a test.
# Usage: windows_bench.sh QUORVEX_EXE
set -uo pipefail
exe=$1
starts=7
echo "== the Windows build under Wine"
for tool in wine wineserver Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "no Windows figures: $tool missing"; exit 0; }
done
[[ -s $exe ]] || { echo "no Windows figures: no $exe (./dev windows builds it)"; exit 0; }

work=$(mktemp -d /tmp/quorvex-windows-bench.XXXXXX)
export WINEPREFIX=$work/prefix WINEDEBUG=-all DISPLAY=:$((RANDOM % 400 + 500))
Xvfb "$DISPLAY" -noreset -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null; kill $xvfb; wait $xvfb 2>/dev/null; rm -rf "$work"' EXIT
now() { date +%s%N; }
# Waits at most 60 s for a condition, looking every 10 ms.
until_true() {
  local from
  from=$(now)
  until "$@" >/dev/null 2>&1; do
    (($(now) - from < 60000000000)) || return 1
    sleep 0.01
  done
}
until_true xdpyinfo || { echo "no Windows figures: Xvfb did not start"; exit 0; }
wineboot -i >/dev/null 2>&1
wineserver -w

times=()
for _ in $(seq "$starts"); do
  from=$(now)
  wine "$exe" >/dev/null 2>&1 &
  until_true xdotool search --onlyvisible --name '^Quorvex!$' || { echo "no window within 60 s"; exit 1; }
  times+=($((($(now) - from) / 1000000)))
  wineserver -k
  wineserver -w
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((starts / 2 + 1))p")
echo "start-up to the window shown, ms (median of $starts): $median   (sorted: $sorted)"
echo "Wine: $(wine --version)"
