#!/usr/bin/env bash
# The helpers of script_test.sh in a locale with a decimal comma (CTest runs this under
# de_DE.UTF-8): a wait for a condition that never holds fails after its limit and is counted
# as a failure, one that comes holds without one, and a process that ignores TERM is still
# ended. Each case runs in a shell of its own under a time limit, as a broken wait may never end.
set -uo pipefail
helpers=$(realpath "$(dirname "$0")/script_test.sh")
source "$helpers"
[[ $EPOCHREALTIME == *,* ]] || { echo "SKIP: not run in a locale with a decimal comma"; exit 77; }

# run_case SCRIPT: runs SCRIPT after the helpers; sets said (its output and errors) and took
# (milliseconds).
run_case() {
  local began
  began=$(date +%s%N)
  said=$(timeout -k 5 20 bash -c "source '$helpers'; $1" 2>&1)
  took=$((($(date +%s%N) - began) / 1000000))
}

run_case 'wait_for 2 "the impossible" false; echo "$? $failures"'
[[ $said == $'FAIL: no the impossible within 2s\n1 1' ]] || fail "a wait for what never holds said '$said'"
((took >= 2000 && took < 10000)) || fail "a wait of 2s for what never holds took ${took}ms"

run_case 'third() { ((++looks == 3)); }; wait_for 5 "a third look" third; echo "$? $failures $looks"'
[[ $said == '0 0 3' ]] || fail "a wait for what holds at the third look said '$said'"
((took < 2000)) || fail "a wait for what holds at the third look took ${took}ms"

# An ignored signal stays ignored across exec: this sleep ignores TERM. The case prints its pid
# first, so that the sleep is ended here too should the case fail to end it.
run_case 'bash -c "trap \"\" TERM; exec sleep 600" >/dev/null 2>&1 & pid=$!; echo $pid
  deaf() { [[ $(cat /proc/$pid/comm) == sleep ]]; }; wait_for 5 "the sleep" deaf
  stop 1 $pid; echo "$? $(running $pid || echo ended)"'
deaf=${said%%$'\n'*}
[[ $said =~ ^$deaf$'\nkilling what did not end within 1s of TERM: '$deaf$'\n0 ended'$ ]] ||
  fail "stopping a process deaf to TERM said '$said'"
((took >= 1000 && took < 10000)) || fail "stopping a process deaf to TERM took ${took}ms"
[[ $deaf =~ ^[0-9]+$ ]] && running "$deaf" && kill -KILL "$deaf"
report
