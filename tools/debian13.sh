#!/usr/bin/env bash
# The one answer to "is this Debian 13 or newer?", which the Windows and web builds need: exits
# 0 when it is; else prints what this system is ("Debian GNU/Linux 12") and exits 1. Testing
# and unstable have no VERSION_ID and are newer than any release.
# Usage: debian13.sh   (e.g. here=$(bash tools/debian13.sh) || echo "not on $here")
set -euo pipefail
# shellcheck disable=SC1091 # the running system's own file
. /etc/os-release
release=${VERSION_ID:-99}
[[ ${ID:-} == debian ]] && ((${release%%.*} >= 13)) && exit 0
echo "${NAME:-an unknown system} ${VERSION_ID:-}"
exit 1
