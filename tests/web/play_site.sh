#!/usr/bin/env bash
# The built site played in headless Chromium, and in Firefox and WebKit where installed
# (play_site.py); skipped, with the reason, where the site cannot be built or played here.
# Usage: play_site.sh SITE_FOLDER SHOTS_FOLDER PATH_TO_WINDOW_PLACES
set -uo pipefail
site=$1 shots=$2 places=$3
source "$(dirname "$0")/../support/script_test.sh"
if ! here=$(bash "$(dirname "$0")/../../tools/debian13.sh"); then
  echo "SKIP: the web build needs Debian 13's emscripten; this is $here (./dev root-test runs these tests)"
  exit 77
fi
skip_without chromium chromedriver
python3 -c 'import selenium' 2>/dev/null || { echo "SKIP: python3-selenium missing"; exit 77; }
[[ -s $site/index.html ]] || { echo "SKIP: no site in $site (./dev web builds it)"; exit 77; }
python3 "$(dirname "$0")/play_site.py" "$site" "$shots" "$places"
