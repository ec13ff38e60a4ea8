#!/usr/bin/env bash
# ./dev bench's Windows row: quorvex.exe's start-up under Wine, from the wine command to the
# window "Quorvex!" shown on an Xvfb of its own, in a Wine prefix set up beforehand (median of
# several starts, each looked for every 50 ms), or the reason it is missing. A report, not a
# test.
# Usage: windows_bench.sh QUORVEX_EXE
set -uo pipefail
exe=$1
starts=7
harness=$(dirname "$0")/../tools/harness
source "$harness/session.sh"
echo "== the Windows build under Wine"
end_without 0 "no Windows figures:" wine wineserver Xvfb xdotool
[[ -s $exe ]] || { echo "no Windows figures: no $exe (./dev windows builds it)"; exit 0; }
source "$harness/x_server.sh"
source "$harness/wine_session.sh"
wine_session "$work/prefix" own
start_x_server "$work" || { echo "no Windows figures: Xvfb did not start"; exit 0; }
wineboot -i >/dev/null 2>&1
wineserver -w

times=()
for _ in $(seq "$starts"); do
  read_clock
  from=$microseconds
  wine "$exe" >/dev/null 2>&1 &
  started+=($!)
  polls 60 xdotool search --onlyvisible --name '^Quorvex!$' ||
    { echo "no window within 60 s"; exit 1; }
  read_clock
  times+=($(((microseconds - from) / 1000)))
  wineserver -k
  wineserver -w
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' ')
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((starts / 2 + 1))p")
echo "start-up to the window shown, ms (median of $starts): $median   (sorted: $sorted)"
echo "Wine: $(wine --version)"
