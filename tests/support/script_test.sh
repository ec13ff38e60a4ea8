# shellcheck shell=bash
# Sourced by the tests written as scripts: a scratch folder `work`, failures counted, waits for
# a condition with a time limit, and an ending that stops every process the test started and
# removes the folder.
work=$(mktemp -d)
started=() # the pids the test started itself; each is ended with the processes it started
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# wait_for SECONDS WHAT COMMAND...: polls COMMAND (its output discarded) until it succeeds;
# after SECONDS it fails with "no WHAT within SECONDSs" and returns 1.
wait_for() {
  local limit=$1 what=$2
  shift 2
  local deadline=$((${EPOCHREALTIME/./} + limit * 1000000))
  until "$@" >/dev/null 2>&1; do
    if ((${EPOCHREALTIME/./} > deadline)); then
      fail "no $what within ${limit}s"
      return 1
    fi
    sleep 0.05 # the polling interval, not a guess at how long anything takes
  done
}

# report: the test's one line of outcome; true when nothing failed.
report() {
  if [[ $failures -eq 0 ]]; then echo "1 passed, 0 failed"; else echo "0 passed, 1 failed"; fi
  [[ $failures -eq 0 ]]
}

descendants() { # PID: its children's pids, depth first
  local child
  for child in $(cat /proc/"$1"/task/*/children 2>/dev/null); do
    descendants "$child"
    echo "$child"
  done
}
# A test with more to end first (Wine's server) defines before_cleanup. A started pid is ended
# only while this shell is still its parent, so a pid reused after its process ended is spared.
cleanup() {
  local pid stat all=()
  declare -F before_cleanup >/dev/null && before_cleanup
  for pid in "${started[@]}"; do
    { read -r stat <"/proc/$pid/stat"; } 2>/dev/null || continue # it may have ended already
    stat=${stat##*) }
    [[ ${stat#* } == "$$ "* ]] && all+=($(descendants "$pid") "$pid")
  done
  for pid in "${all[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
