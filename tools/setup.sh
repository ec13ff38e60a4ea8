#!/usr/bin/env bash
# Installs whichever listed Debian packages are missing; a no-op when all are present.
set -euo pipefail
list="$(dirname "$0")/debian-packages.txt"
mapfile -t wanted < <(grep -Ev '^\s*(#|$)' "$list")
missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$pkg")
done
# A locale with a decimal comma lets the tests prove the conversions ignore the locale.
need_locale=0
locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' || need_locale=1
[[ ${#missing[@]} -eq 0 && $need_locale -eq 0 ]] && exit 0
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
if [[ $need_locale -eq 1 ]]; then
  "${as_root[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen >/dev/null
fi
