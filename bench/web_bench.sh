#!/usr/bin/env bash
# ./dev bench's web rows (web_bench.py), or the reason they are missing.
# Usage: web_bench.sh SITE_FOLDER PATH_TO_WINDOW_PLACES
set -uo pipefail
site=$1 places=$2
source "$(dirname "$0")/../tools/harness/session.sh"
echo "== the web build"
if ! here=$(bash "$(dirname "$0")/../tools/debian13.sh"); then
  echo "no web figures: the web build needs Debian 13's emscripten; this is $here"
  exit 0
fi
end_without 0 "no web figures:" chromium chromedriver openssl
[[ -s $site/index.html ]] || { echo "no web figures: no site in $site (./dev web builds it)"; exit 0; }
python3 "$(dirname "$0")/web_bench.py" "$site" "$places"
