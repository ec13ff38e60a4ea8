#!/usr/bin/env bash
# Plants each fault of tests/MUTANTS.md, one at a time, in a scratch copy of this working tree,
# builds only what the catching tests need, runs those tests and prints caught or missed.
# Exits 1 if any fault is missed or cannot be planted. Slow: every fault is a rebuild.
# QUORVEX_MUTANTS_DIR sets the scratch directory; QUORVEX_MUTANTS=name,name runs only those.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
scratch=${QUORVEX_MUTANTS_DIR:-/tmp/quorvex-mutants-$(echo "$root" | md5sum | cut -c1-8)}
src=$scratch/src
build=$scratch/build
# The Windows build of the scratch copy, made only for a fault whose tests are windows_*, as
# `make windows` makes it, with the shared folder beside this working tree.
windows_build=$scratch/build-windows
export QT_QPA_PLATFORM=offscreen
export QUORVEX_SOAK_EVENTS=${QUORVEX_SOAK_EVENTS:-3000} # the soak's checks, on a shorter run

# The faults of tests/MUTANTS.md, one "name|file|change|tests" line each.
read_faults() {
  local line name="" file="" change=""
  while IFS= read -r line; do
    case $line in
    "## "*) name=${line#"## "} ;;
    "- file: \`"*) file=${line#"- file: \`"} file=${file%"\`"} ;;
    "- change: \`"*) change=${line#"- change: \`"} change=${change%"\`"} ;;
    "- run: "*) echo "$name|$file|$change|${line#"- run: "}" ;;
    esac
  done <"$root/tests/MUTANTS.md"
}
mapfile -t mutants < <(read_faults)
[[ ${#mutants[@]} -gt 0 ]] || { echo "no faults read from tests/MUTANTS.md"; exit 1; }

field() { cut -d'|' -f"$2" <<<"$1"; }
target_of() { # a test's executable target, in the Windows build for windows_*
  case $1 in
  blackbox_real_game | blackbox_screen_reader) echo quorvex ;;
  tst_layout_two_screens) echo tst_layout ;;
  windows_tst_*) sed -E 's/^windows_//; s/_(scale2|gdi)$//' <<<"$1" ;;
  *) echo "${1%_scale2}" ;;
  esac
}

build_windows() { # targets...
  make -C "$src" --no-print-directory windows WINDOWS_DIR="$windows_build" \
    SHARED="$root/../shared" WINDOWS_TARGETS="$*"
}

# The working tree as it is, committed or not; a file is copied only when it differs, so the
# scratch build stays incremental and a restored file is always newer than its objects.
sync_tree() {
  mkdir -p "$src"
  (cd "$root" && git ls-files -z --cached --others --exclude-standard) |
    while IFS= read -r -d '' file; do
      [[ -f $root/$file ]] || continue
      cmp -s "$root/$file" "$src/$file" && continue
      mkdir -p "$(dirname "$src/$file")"
      cp "$root/$file" "$src/$file"
    done
}

# build_and_test "tests...": 0 all pass, 1 a test failed, 2 the build failed.
build_and_test() {
  local targets=() windows_targets=() regex
  for test in $1; do
    case $test in
    windows_*) windows_targets+=("$(target_of "$test")") ;;
    *) targets+=("$(target_of "$test")") ;;
    esac
  done
  : >"$scratch/build.log"
  if ((${#targets[@]})); then
    cmake --build "$build" -j2 --target "${targets[@]}" >>"$scratch/build.log" 2>&1 || return 2
  fi
  if ((${#windows_targets[@]})); then
    build_windows "${windows_targets[@]}" >>"$scratch/build.log" 2>&1 || return 2
  fi
  regex="^($(tr ' ' '|' <<<"$1"))\$"
  ctest --test-dir "$build" -R "$regex" --timeout 300 --output-on-failure >"$scratch/test.log" 2>&1 || return 1
  return 0
}

failed_tests() { # the tests the last run reported as failed
  sed -n 's/^[[:space:]]*[0-9]* - \([A-Za-z0-9_]*\) .*/\1/p' "$scratch/test.log" | tr '\n' ' ' | sed 's/ $//'
}

selected() { [[ -z ${QUORVEX_MUTANTS:-} || ,$QUORVEX_MUTANTS, == *,$1,* ]]; }

sync_tree
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEX_WINDOWS_BUILD="$windows_build" >"$scratch/configure.log" 2>&1 ||
  { echo "configure failed: $scratch/configure.log"; exit 1; }

all_tests=""
for mutant in "${mutants[@]}"; do
  selected "$(field "$mutant" 1)" && all_tests+=" $(field "$mutant" 4)"
done
all_tests=$(tr ' ' '\n' <<<"$all_tests" | sed '/^$/d' | sort -u | tr '\n' ' ')
echo "unplanted tree: building and running $all_tests"
build_and_test "$all_tests"
case $? in
1) echo "the tests fail without any fault: $scratch/test.log"; exit 1 ;;
2) echo "the tree does not build: $scratch/build.log"; exit 1 ;;
esac

caught=0 missed=0 broken=0
report=()
for mutant in "${mutants[@]}"; do
  name=$(field "$mutant" 1) file=$(field "$mutant" 2) change=$(field "$mutant" 3) tests=$(field "$mutant" 4)
  selected "$name" || continue
  perl -0pi -e "$change" "$src/$file"
  if cmp -s "$root/$file" "$src/$file"; then
    verdict="NOT PLANTED (the code it changes has moved)"
    broken=$((broken + 1))
  else
    build_and_test "$tests"
    case $? in
    0) verdict="MISSED"; missed=$((missed + 1)) ;;
    1)
      verdict="caught by $(failed_tests)"
      caught=$((caught + 1))
      ;;
    2) verdict="DOES NOT BUILD (see $scratch/build.log)"; broken=$((broken + 1)) ;;
    esac
  fi
  cp "$root/$file" "$src/$file"
  line=$(printf '%-28s %s' "$name" "$verdict")
  echo "$line"
  report+=("$line")
done

echo
echo "Summary:"
printf '%s\n' "${report[@]}"
echo "$caught caught, $missed missed, $broken not planted or not built"
[[ $missed -eq 0 && $broken -eq 0 ]]
