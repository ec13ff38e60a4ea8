#!/usr/bin/env bash
# Builds the release of the last commit (the one checked out when it starts) twice, each from
# its own clone in its own folder, side by side, and compares the two: SHA256SUMS line for
# line, and diffoscope on every file that differs. Then the package, built on the older Debian
# release, is installed and played on the newer one.
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
failed=0
for clone in "$first" "$second"; do
  wait "${builds[0]}" || { tail -n 40 "$clone.log"; failed=1; }
  builds=("${builds[@]:1}")
done
((failed == 0)) || exit 1
echo "== both released, $(date -u +%T)"
if diff "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS"; then
  echo "== the two releases are identical:"
  cat "$first/dist/SHA256SUMS"
  debs=("$first"/dist/quorvex_*.deb) sources=("$first"/dist/quorvex-*.tar.xz)
  # The installed game is played at the window's places, which a small build here prints.
  make --no-print-directory window-places BUILD_DIR="$work/places" >"$work/places.log" 2>&1 ||
    { cat "$work/places.log"; exit 1; }
  bash tools/debian_root.sh 13 --source "${sources[0]}" --copy "${debs[0]}" \
    --copy "$work/places/tools/window_places" -- \
    bash tests/packaging/check_installed_deb.sh "/src/$(basename "${debs[0]}")" /src/window_places
  exit 0
fi
echo "== the releases differ"
while read -r _ file; do
  cmp -s "$first/dist/$file" "$second/dist/$file" ||
    diffoscope --text - "$first/dist/$file" "$second/dist/$file" || true
done <"$first/dist/SHA256SUMS"
exit 1
