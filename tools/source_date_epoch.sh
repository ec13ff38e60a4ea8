#!/usr/bin/env bash
# Prints the time that dates a build's artefacts: SOURCE_DATE_EPOCH where it is set, else the
# commit time the source tarball recorded, else the last commit's where git and a clone are
# there. Fails when none is known.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [[ -n ${SOURCE_DATE_EPOCH:-} ]]; then
  echo "$SOURCE_DATE_EPOCH"
elif [[ -s $top/source-date-epoch ]]; then
  cat "$top/source-date-epoch"
elif command -v git >/dev/null && git -C "$top" rev-parse --git-dir >/dev/null 2>&1; then
  git -C "$top" log -1 --format=%ct
else
  echo "no commit time: neither SOURCE_DATE_EPOCH, nor source-date-epoch, nor a git clone" >&2
  exit 1
fi
