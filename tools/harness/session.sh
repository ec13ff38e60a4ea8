# shellcheck shell=bash
# Sourced by the scripts that start processes and wait for them, the tests' and the bench's: a
# scratch folder `work`, the missing-tool check, waits for a condition with a time limit that
# hold in any locale, and an ending that stops every process the script started and removes
# the folder.
work=$(mktemp -d)
started=() # the pids the script started itself; each is ended with the processes it started

# end_without STATUS WHY TOOL...: when a tool is not on PATH, says "WHY TOOL missing" and ends
# the script with STATUS.
end_without() {
  local status=$1 why=$2 tool
  shift 2
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$why $tool missing"; exit "$status"; }
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

# A script with more to end first (Wine's server) defines before_cleanup. A started pid is ended
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
