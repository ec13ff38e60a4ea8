#!/usr/bin/env bash
# Installs whichever packages of the named groups of tools/debian-packages.txt are missing;
# a no-op when all are present. ./dev calls it with the groups its command needs.
# Usage: setup.sh GROUP...   (for example: setup.sh run test)
set -euo pipefail
list="$(dirname "$0")/debian-packages.txt"
(($# > 0)) || { echo "usage: $0 GROUP..." >&2; exit 2; }
groups=$(sed -n 's/^\[\(.*\)\]$/\1/p' "$list")
for group in "$@"; do
  grep -qxF "$group" <<<"$groups" || { echo "$list has no group [$group]" >&2; exit 2; }
done
# The package lines under the named groups' headings, one need a line ("a | b" for names
# that differ between releases).
mapfile -t wanted < <(awk -v named=" $* " '
  /^[[:space:]]*(#|$)/ { next }
  /^\[.*\]$/ { inside = index(named, " " substr($0, 2, length($0) - 2) " ") > 0; next }
  inside { sub(/[[:space:]]*#.*/, ""); print }' "$list" | sort -u)
installed() { [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == "install ok installed" ]]; }
missing=()
for need in "${wanted[@]}"; do
  satisfied=0
  for pkg in ${need//|/ }; do installed "$pkg" && satisfied=1; done
  ((satisfied)) || missing+=("$need")
done
# A locale with a decimal comma lets the tests prove the conversions ignore the locale.
need_locale=0
if [[ " $* " == *" test "* ]] && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  need_locale=1
fi
[[ ${#missing[@]} -eq 0 && $need_locale -eq 0 ]] && exit 0
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
# The first name of a need that this release has.
available() {
  local pkg
  for pkg in ${1//|/ }; do
    [[ $(apt-cache policy "$pkg" 2>/dev/null | sed -n 's/^ *Candidate: *//p') =~ ^(|\(none\))$ ]] ||
      { echo "$pkg"; return; }
  done
  echo "no package of '$1' in this release" >&2
  return 1
}
# Commands side by side in one root take turns at apt.
apt_get=("${as_root[@]}" flock /var/lib/apt/quorvex-setup.lock apt-get)
if [[ ${#missing[@]} -gt 0 ]]; then
  "${apt_get[@]}" update -qq
  packages=()
  for need in "${missing[@]}"; do packages+=("$(available "$need")"); done
  echo "Installing: ${packages[*]}"
  DEBIAN_FRONTEND=noninteractive "${apt_get[@]}" install -y --no-install-recommends "${packages[@]}"
fi
if [[ $need_locale -eq 1 ]]; then
  "${as_root[@]}" flock /var/lib/apt/quorvex-setup.lock sh -c "
    sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null"
fi
