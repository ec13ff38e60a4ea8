#!/usr/bin/env bash
# Runs a test program under valgrind: no definite leak, no invalid access.
# Usage: run_memcheck.sh PROGRAM [sanitized]
set -uo pipefail
[[ ${2:-} == sanitized ]] && { echo "SKIP: valgrind cannot run a sanitized program"; exit 77; }
source "$(dirname "$0")/../support/script_test.sh"
skip_without valgrind
valgrind --tool=memcheck --leak-check=full --errors-for-leak-kinds=definite \
  --show-leak-kinds=definite --error-exitcode=3 "$1"
