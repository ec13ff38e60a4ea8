#!/usr/bin/env bash
# ./dev bench's web rows (web_bench.py), or the reason they are missing.
# Usage: web_bench.sh SITE_FOLDER
set -uo pipefail
site=$1
echo "== the web build"
if ! here=$(bash "$(dirname "$0")/../tools/debian13.sh"); then
  echo "no web figures: the web build needs Debian 13's emscripten; this is $here"
  exit 0
fi
for tool in chromium chromedriver; do
  command -v "$tool" >/dev/null || { echo "no web figures: $tool missing"; exit 0; }
done
[[ -s $site/index.html ]] || { echo "no web figures: no site in $site (./dev web builds it)"; exit 0; }
exec python3 "$(dirname "$0")/web_bench.py" "$site"
