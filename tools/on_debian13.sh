#!/usr/bin/env bash
# Runs a command on Debian 13, where the Windows and web builds need its Qt 6.8 host tools and
# its compilers: here when this machine is Debian 13 or newer (tools/debian13.sh), else in the
# kept Debian 13 build root (tools/debian_root.sh --kept: laid once, with what ./dev installed
# there before) with the current folder bound writable at its own path, so that what the command
# builds lands where it would have here, and with the shared folder read-only at its own path.
# Usage: on_debian13.sh SHARED_DIR [--bind DIR | --bind-ro DIR]... -- COMMAND...
set -euo pipefail
shared=$1
shift
binds=(--bind "$PWD")
while [[ ${1:-} == --bind || ${1:-} == --bind-ro ]]; do
  binds+=("$1" "$2")
  shift 2
done
[[ ${1:-} == -- ]] || { echo "usage: $0 SHARED_DIR [--bind[-ro] DIR]... -- COMMAND..." >&2; exit 2; }
shift
here=$(bash "$(dirname "$0")/debian13.sh") && exec "$@"
[[ ! -d $shared ]] || binds+=(--bind-ro "$shared")
echo "== $here here: $* in the Debian 13 build root"
exec bash "$(dirname "$0")/debian_root.sh" 13 --kept "${binds[@]}" -- "$@"
