#!/usr/bin/env bash
# Builds the release of the last commit (the one checked out when it starts) twice, each from
# its own clone in its own folder, side by side, and compares the two: SHA256SUMS line for
# line, and diffoscope on every file that differs. The first release's package, built on the
# older Debian release, is installed and played on the newer one beside the rest of the builds.
# Usage: reproduce.sh SHARED_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
shared=$(realpath "$1")
work=$(mktemp -d /tmp/quorvex-reproduce.XXXXXX)
trap 'rm -rf "$work"' EXIT
commit=$(git rev-parse HEAD)
first=$work/first/quorvex
second=$work/the-second-build/src/quorvex
builds=()
for clone in "$first" "$second"; do
  git clone --quiet --no-local . "$clone"
  git -C "$clone" checkout --quiet --detach "$commit"
  echo "== release in $clone, $(date -u +%T)"
  bash "$clone/tools/release.sh" "$shared" >"$clone.log" 2>&1 &
  builds+=($!)
done

# The package's check needs only the first release's source and package, made before its Windows
# and web parts, and waits mostly on a fresh root's installs: it runs beside those parts. The
# installed game is played at the window's places, which a small build here prints.
check_package() {
  make --no-print-directory window-places BUILD_DIR="$work/places" || return 1
  local debs=("$first"/dist/quorvex_*.deb) sources=("$first"/dist/quorvex-*.tar.xz)
  bash tools/debian_root.sh 13 --source "${sources[0]}" --copy "${debs[0]}" \
    --copy "$work/places/tools/window_places" -- \
    bash tests/packaging/check_installed_deb.sh "/src/$(basename "${debs[0]}")" /src/window_places
}
packed() { grep -qs '^== the source and the Debian package are in dist/' "$first.log"; }
for ((tenths = 0; tenths < 18000; tenths++)); do
  packed || ! kill -0 "${builds[0]}" 2>/dev/null && break
  sleep 0.1 # how often to look, not a guess at how long the build takes
done
check=
if packed; then
  check_package >"$work/check.log" 2>&1 &
  check=$!
fi

failed=0
for clone in "$first" "$second"; do
  wait "${builds[0]}" || { tail -n 40 "$clone.log"; failed=1; }
  builds=("${builds[@]:1}")
done
echo "== both released, $(date -u +%T)"
if [[ -n $check ]] && ! wait "$check"; then
  echo "== the package's check on Debian 13 failed:"
  cat "$work/check.log"
  failed=1
fi
((failed == 0)) || exit 1
echo "== the package installs and plays on Debian 13, $(date -u +%T):"
tail -n 5 "$work/check.log"
if diff "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
  echo "== the two releases are identical:"
  cat "$first/dist/SHA256SUMS"
  exit 0
fi
echo "== the releases differ"
while read -r _ file; do
  cmp -s "$first/dist/$file" "$second/dist/$file" ||
    diffoscope --text - "$first/dist/$file" "$second/dist/$file" || true
done <"$first/dist/SHA256SUMS"
exit 1
