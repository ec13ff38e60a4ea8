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
# `make windows` makes it (on Debian 13, a root of it elsewhere), with the shared folder beside
# this working tree.
windows_build=$scratch/build-windows
web_build=$scratch/build-web
# The web build of the scratch copy, made only for a fault whose tests are web_*: on Debian 13,
# against the Qt for WebAssembly that this checkout's `make web` unpacks, into the folder its
# test reads.
# shellcheck disable=SC2016 # make expands it
qt_web=$(make -s -C "$root" --no-print-directory --eval 'web-prefix: ; @echo $(QT_WEB_PREFIX)' web-prefix)
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

# The trees answer CMake's file API, from which tools/test_targets.py reads each test's targets.
ask_codemodel() { mkdir -p "$1/.cmake/api/v1/query" && touch "$1/.cmake/api/v1/query/codemodel-v2"; }
build_windows() { # targets...
  make -C "$src" --no-print-directory windows WINDOWS_DIR="$windows_build" \
    SHARED="$root/../shared" WINDOWS_TARGETS="$*"
}
configure_windows() { # CMake's own target that only configures
  ask_codemodel "$windows_build"
  build_windows rebuild_cache
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

build_web() { # with the unpacked Qt for WebAssembly, or one the scratch copy unpacks
  local prefix=()
  [[ -e $qt_web/bin/qt-cmake ]] && prefix=(QT_WEB_PREFIX="$qt_web")
  make -C "$src" --no-print-directory web-site WEB_DIR="$web_build" SHARED="$root/../shared" \
    "${prefix[@]}"
}

# build_and_test "tests...": 0 all pass, 1 a test failed, 2 the build failed.
build_and_test() {
  local targets=() windows_targets=() needed tree target regex web=0
  [[ " $1 " == *" web_"* ]] && web=1
  : >"$scratch/build.log"
  if [[ " $1 " == *" windows_"* ]]; then
    configure_windows >>"$scratch/build.log" 2>&1 || return 2
  fi
  # shellcheck disable=SC2086 # one word per test
  needed=$(python3 "$root/tools/test_targets.py" "$build" "$windows_build" $1 2>>"$scratch/build.log") ||
    return 2
  while read -r tree target; do
    case $tree in
    build) targets+=("$target") ;;
    windows) windows_targets+=("$target") ;;
    esac
  done <<<"$needed"
  if ((${#targets[@]})); then
    cmake --build "$build" -j2 --target "${targets[@]}" >>"$scratch/build.log" 2>&1 || return 2
  fi
  if ((${#windows_targets[@]})); then
    build_windows "${windows_targets[@]}" >>"$scratch/build.log" 2>&1 || return 2
  fi
  if ((web)); then
    build_web >>"$scratch/build.log" 2>&1 || return 2
  fi
  regex="^($(tr ' ' '|' <<<"$1"))\$"
  ctest --test-dir "$build" -R "$regex" --timeout 300 --output-on-failure >"$scratch/test.log" 2>&1 || return 1
  return 0
}

failed_tests() { # the tests the last run reported as failed
  sed -n 's/^[[:space:]]*[0-9]* - \([A-Za-z0-9_]*\) .*/\1/p' "$scratch/test.log" | tr '\n' ' ' | sed 's/ $//'
}

selected() { [[ -z ${QUORVEX_MUTANTS:-} || ,$QUORVEX_MUTANTS, == *,$1,* ]]; }
# The web tests run where the site is built, on Debian 13; elsewhere a fault they alone catch
# is reported as not run, and their tests leave the unplanted run.
web_here=0
bash tools/debian13.sh >/dev/null && web_here=1
runnable() { # the tests of a fault that run here
  local test kept=""
  for test in $1; do
    [[ $test == web_* && $web_here -eq 0 ]] || kept+=" $test"
  done
  echo "${kept# }"
}

sync_tree
ask_codemodel "$build"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORVEX_WINDOWS_BUILD="$windows_build" -DQUORVEX_WEB_SITE="$web_build/site" >"$scratch/configure.log" 2>&1 ||
  { echo "configure failed: $scratch/configure.log"; exit 1; }

all_tests=""
for mutant in "${mutants[@]}"; do
  selected "$(field "$mutant" 1)" && all_tests+=" $(runnable "$(field "$mutant" 4)")"
done
all_tests=$(tr ' ' '\n' <<<"$all_tests" | sed '/^$/d' | sort -u | tr '\n' ' ')
echo "unplanted tree: building and running $all_tests"
build_and_test "$all_tests"
case $? in
1) echo "the tests fail without any fault: $scratch/test.log"; exit 1 ;;
2) echo "the tree does not build: $scratch/build.log"; exit 1 ;;
esac

caught=0 missed=0 broken=0 not_run=0
report=()
for mutant in "${mutants[@]}"; do
  name=$(field "$mutant" 1) file=$(field "$mutant" 2) change=$(field "$mutant" 3) tests=$(field "$mutant" 4)
  selected "$name" || continue
  tests=$(runnable "$tests")
  perl -0pi -e "$change" "$src/$file"
  if [[ -z $tests ]]; then
    verdict="not run: its web tests run on Debian 13"
    not_run=$((not_run + 1))
  elif cmp -s "$root/$file" "$src/$file"; then
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
echo "$caught caught, $missed missed, $broken not planted or not built, $not_run not run here"
[[ $missed -eq 0 && $broken -eq 0 ]]
