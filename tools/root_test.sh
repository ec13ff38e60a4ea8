#!/usr/bin/env bash
# ./dev test of the last commit's source tarball in a fresh minimal Debian root, as a new user
# has it: no git, nothing installed but what ./dev installs, and the shared folder beside the
# source as CI has it (without it the Windows tests are skipped).
# Usage: root_test.sh 12|13 SHARED_DIR [MAKE_VARIABLE=VALUE...]
set -euo pipefail
cd "$(dirname "$0")/.."
release=$1 shared=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash tools/source_tarball.sh "$work/source.tar.xz"
beside=()
[[ -d $shared ]] && beside=(--shared "$shared")
echo "== ./dev test $* in a fresh Debian $release root, $(date -u +%T)"
bash tools/debian_root.sh "$release" --source "$work/source.tar.xz" "${beside[@]}" -- ./dev test "$@"
