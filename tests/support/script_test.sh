# shellcheck shell=bash
# Sourced by the tests written as scripts: the session of tools/harness/session.sh (the
# scratch folder, the waits, the ending), whose folder `harness` names, with failures counted,
# waits that fail the test, the skip for a missing tool and the test's one line of outcome.
harness=$(realpath "$(dirname "${BASH_SOURCE[0]}")/../../tools/harness")
source "$harness/session.sh"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# skip_without TOOL...: the test is reported as skipped (77) when a tool is not on PATH.
skip_without() { end_without 77 "SKIP:" "$@"; }

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
