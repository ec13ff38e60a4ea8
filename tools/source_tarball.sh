#!/usr/bin/env bash
# Writes the source tarball of the last commit: the tracked files only, in the order, owner and
# times git archive gives them (the commit's), and the commit time in source-date-epoch, which
# dates what is built from the tarball as the release is dated.
# Usage: source_tarball.sh OUTPUT.tar.xz
set -euo pipefail
output=$(realpath "$1")
cd "$(dirname "$0")/.."
name=quorvex-$(cmake -P cmake/version.cmake)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git log -1 --format=%ct >"$work/source-date-epoch"
git archive --format=tar --prefix="$name/" --add-file="$work/source-date-epoch" HEAD |
  xz -9 -T1 >"$output"
