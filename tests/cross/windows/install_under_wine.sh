#!/usr/bin/env bash
# The Windows installer under Wine, in a fresh prefix on an X server of its own, as a
# player's machine meets it: a silent install and a second one over it, the entry among the
# installed programs read with `wine reg query`, the Start-menu shortcut, the game started
# from the shortcut's target and played, a silent uninstall, and then nothing of the game
# left: no file, folder, shortcut or registry key (after the restart Windows would do, which
# deletes the uninstaller's own copy in the temporary folder).
# QUORVEX_WINDOWS_SHOTS=FOLDER keeps screenshots of the installed game in play.
# Usage: install_under_wine.sh PATH_TO_SETUP.exe VERSION (the build's) PATH_TO_WINDOW_PLACES
set -uo pipefail
installer=$1 version=$2 places=$3
support=$(dirname "$0")/../../support
source "$support/script_test.sh"
skip_without wine wineserver winepath Xvfb xdotool import convert python3
[[ -f $installer ]] || { echo "SKIP: $installer not built (make windows)"; exit 77; }
source "$harness/x_server.sh"
source "$harness/wine_session.sh"
source "$support/play_by_pixels.sh"
here=$(dirname "$0")
source "$here/play_game.sh"
wine_session "$work/prefix" own stock-fonts
pixel_places "$places" || exit 1
start_x_server "$work" || exit 1

folder='C:\Program Files\Quorvex'
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\org.example.quorvex'
shortcut=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Quorvex.lnk
# record_prefix FILE: every file and registry key of the prefix, once Wine's server has
# written them, registry times left out, and the keys Wine's own crash handler writes when one
# of Wine's programs fails (seen once, in a full test run on a loaded machine): they are
# Wine's, never the installer's.
record_prefix() {
  wine_idle || fail "Wine's server of the prefix did not end"
  (cd "$WINEPREFIX" && find drive_c && sed -n 's/^\(\[.*\]\).*/\1/p' ./*.reg) |
    grep -vxF -e '[Console]' -e '[Software\\Wine\\WineDbg]' | LC_ALL=C sort >"$1"
}
# The installer and uninstaller run straight under wine: started from cmd, as the game is
# (wine_session.sh), the silent installer never ends under Wine 8.
wine wineboot --init >/dev/null 2>&1 || { echo "Wine could not make a prefix"; exit 1; }
record_prefix "$work/before.txt"

wine "$installer" /S || fail "the installer ended with status $?"
installed=$(winepath -u "$folder")
for file in quorvex.exe uninstall.exe README.txt LICENSE.txt THIRD-PARTY-NOTICES.txt \
  licences/LGPL-3.0-only.txt licences/GPL-3.0-only.txt; do
  [[ -s $installed/$file ]] || fail "no $file in $folder"
done
for part in FreeType HarfBuzz libpng PCRE2 zlib double-conversion; do
  grep -q "^$part" "$installed/THIRD-PARTY-NOTICES.txt" || fail "no notice for $part"
done

wine "$installer" /S || fail "the second install ended with status $?"
entries=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r')
count=$(grep -cE '^\s+DisplayName\s+REG_SZ\s+Quorvex$' <<<"$entries")
[[ $count -eq 1 ]] || fail "$count entries named Quorvex among the installed programs"
entry=$(wine reg query "$key" | tr -d '\r')
echo "$entry"
value() { sed -nE "s/^\s+$1\s+REG_\w+\s+//p" <<<"$entry"; }
[[ $(value DisplayName) == 'Quorvex' ]] || fail "DisplayName '$(value DisplayName)'"
[[ $(value DisplayVersion) == "$version" ]] || fail "DisplayVersion '$(value DisplayVersion)'"
[[ $(value Publisher) == 'Quorvex developers' ]] || fail "Publisher '$(value Publisher)'"
[[ $(value DisplayIcon) == "$folder\\quorvex.exe,0" ]] || fail "DisplayIcon '$(value DisplayIcon)'"
[[ $(value InstallLocation) == "$folder" ]] || fail "InstallLocation '$(value InstallLocation)'"
[[ $(value UninstallString) == "\"$folder\\uninstall.exe\"" ]] ||
  fail "UninstallString '$(value UninstallString)'"
[[ $(value QuietUninstallString) == "\"$folder\\uninstall.exe\" /S" ]] ||
  fail "QuietUninstallString '$(value QuietUninstallString)'"
# Kilobytes, as the installed programs list expects: within a tenth of what the folder holds.
size=$(($(value EstimatedSize)))
held=$(du -s --apparent-size -k "$installed" | cut -f1)
((size * 10 >= held * 9 && size * 10 <= held * 11)) ||
  fail "EstimatedSize $size KB, the folder holds $held KB"

# What the shortcut starts, and its icon: the game's own.
[[ -f $shortcut ]] || fail "no Start-menu shortcut Quorvex.lnk"
{ read -r target && read -r icon; } < <(python3 "$here/read_shortcut.py" "$shortcut")
[[ $target == "$folder\\quorvex.exe" ]] || fail "the shortcut starts '$target'"
[[ $icon == "$folder\\quorvex.exe,0" ]] || fail "the shortcut's icon is '$icon'"
play_game "$(winepath -u "$target")"

uninstaller=$(value QuietUninstallString)
uninstaller=${uninstaller%\" /S}
wine "${uninstaller#\"}" /S || fail "the uninstaller ended with status $?"
# The uninstaller runs on from a copy of itself in the temporary folder.
wait_for 60 "removal of $folder" test ! -e "$installed"
wait_for 60 "removal of the shortcut" test ! -e "$shortcut"
wine_idle || fail "Wine's server of the prefix did not end after the uninstaller"
wine reg query "$key" >/dev/null 2>&1 && fail "the entry $key is still there"
wine wineboot --restart >/dev/null 2>&1
record_prefix "$work/after.txt"
left=$(LC_ALL=C comm -13 "$work/before.txt" "$work/after.txt")
[[ -z $left ]] || fail "left behind: $left"
report
