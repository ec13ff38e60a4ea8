# shellcheck shell=bash
# Sourced by the tests written as scripts: a scratch folder `work`, failures counted, waits for
# a condition with a time limit, and an ending that stops every process the test started and
# removes the folder.
work=$(mktemp -d)
started=() # the pids the test started itself; each is ended with the processes it started
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# skip_without TOOL...: the test is reported as skipped (77) when a tool is not on PATH.
skip_without() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool missing"; exit 77; }
  done
}

# read_clock: sets microseconds, since the epoch. EPOCHREALTIME is written with the locale's
# decimal separator (a comma under de_DE.UTF-8), so everything but its digits goes.
read_clock() { microseconds=${EPOCHREALTIME//[!0-9]/}; }

# polls SECONDS COMMAND...: runs COMMAND (its output discarded) until it succeeds, every 50 ms,
# for at most SECONDS; fails when the time is up.
polls() {
  local deadline
  read_clock
  deadline=$((microseconds + $1 * 1000000))
  shift
  until "$@" >/dev/null 2>&1; do
    read_clock
    ((microseconds <= deadline)) || return 1
    sleep 0.05 # the polling interval, not a guess at how long anything takes
  done
}

# wait_for SECONDS WHAT COMMAND...: polls COMMAND until it succeeds; after SECONDS it fails
# with "no WHAT within SECONDSs" and returns 1.
wait_for() {
  local limit=$1 what=$2
  shift 2
  polls "$limit" "$@" || {
    fail "no $what within ${limit}s"
    return 1
  }
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
running() { # PID...: succeeds while one of them runs (an ended, unreaped one does not)
  local pid stat
  for pid in "$@"; do
    { read -r stat <"/proc/$pid/stat"; } 2>/dev/null || continue
    stat=${stat##*) }
    [[ ${stat%% *} != [ZX] ]] && return 0
  done
  return 1
}
none_running() { ! running "$@"; }
# stop SECONDS PID...: asks the processes to end (TERM), gives them SECONDS, then kills the
# ones left and gives them SECONDS more; the ones of this shell are reaped once ended.
stop() {
  local limit=$1
  shift
  kill "$@" 2>/dev/null
  polls "$limit" none_running "$@" && { wait "$@" 2>/dev/null; return 0; }
  echo "killing what did not end within ${limit}s of TERM: $*"
  kill -KILL "$@" 2>/dev/null
  # Quiet: the shell would say "Killed" of each job of its own.
  polls "$limit" none_running "$@" 2>/dev/null || { echo "still running: $*"; return 1; }
  wait "$@" 2>/dev/null
  return 0
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
  ((${#all[@]} == 0)) || stop 10 "${all[@]}" || true
  rm -rf "$work"
}
trap cleanup EXIT
