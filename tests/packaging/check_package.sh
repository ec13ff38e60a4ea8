#!/usr/bin/env bash
# Builds the Debian package from a finished build as a release does (tools/make_deb.sh), runs
# lintian on it and checks what the package declares: where the game lands and every run-time
# need in Depends.
# Usage: check_package.sh BUILD_DIR VERSION DEPENDS [sanitized]
#   VERSION and DEPENDS are the build's: its version and what it declares beyond the libraries.
set -uo pipefail
build=$1 version=$2 declared=$3
[[ ${4:-} == sanitized ]] && { echo "SKIP: a sanitized build is not packaged"; exit 77; }
source "$(dirname "$0")/../support/script_test.sh"
skip_without cpack dpkg-deb dpkg-shlibdeps file lintian fc-match
# Packed as a release packs it; dated by the last commit where there is one.
SOURCE_DATE_EPOCH=$(bash "$(dirname "$0")/../../tools/source_date_epoch.sh" 2>/dev/null || date +%s)
export SOURCE_DATE_EPOCH
bash "$(dirname "$0")/../../tools/make_deb.sh" "$build" "$work" >"$work/pack.log" 2>&1 ||
  { echo "FAIL: packing"; cat "$work/pack.log"; exit 1; }
debs=("$work"/quorvex_"$version"_*.deb)
[[ -f ${debs[0]} ]] || { echo "FAIL: no quorvex_${version}_ARCH.deb"; ls "$work"; exit 1; }
deb=${debs[0]}

lintian --fail-on error,warning --info --pedantic "$deb" >"$work/lintian.log" 2>&1 ||
  fail "lintian: $(cat "$work/lintian.log")"
cat "$work/lintian.log"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == quorvex ]] || fail "package name $(field Package)"
[[ $(field Section) == games ]] || fail "section $(field Section)"
depends=$(field Depends)
echo "Depends: $depends"
# What the build declares (the typefaces no tool can see), and for each library the loader
# needs, the package that holds it here, by whatever name this release gives it (libqt6core6
# or libqt6core6t64).
needs=()
while read -r need; do [[ -z $need ]] || needs+=("$need"); done < <(tr ',' '\n' <<<"$declared")
dpkg-deb -x "$deb" "$work/unpacked"
for library in $(readelf -d "$work/unpacked/usr/games/quorvex" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  path=$(ldconfig -p | awk -v name="$library" '$1 == name { print $NF; exit }')
  owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(realpath "$path")" 2>/dev/null || dpkg -S "/usr$path" 2>/dev/null) ||
    { fail "no package holds $library"; continue; }
  needs+=("${owner%%:*}")
done
for need in "${needs[@]}"; do
  [[ ", $depends," == *", $need "* || ", $depends," == *", $need,"* ]] || fail "Depends lacks $need"
done
echo "Needs found in Depends: ${needs[*]}"
# The faces the game draws in on Debian (window/Typefaces.cpp): the package holding the file
# each is drawn from here is one of the Depends' alternatives, at a version it accepts.
faces=("Liberation Serif:bold" "Liberation Sans" "Liberation Sans:bold" "Liberation Sans Narrow:bold")
for face in "${faces[@]}"; do
  file=$(realpath "$(fc-match -f '%{file}' "$face")")
  owner=$(dpkg -S "$file" 2>/dev/null | cut -d: -f1)
  version=$(dpkg-query -W -f '${Version}' "$owner" 2>/dev/null)
  accepted=0
  while read -r name relation wanted; do
    [[ $name == "$owner" ]] && { [[ -z $relation ]] || dpkg --compare-versions "$version" "$relation" "$wanted"; } &&
      accepted=1
  done < <(sed 's/[,|]/\n/g; s/[()]//g' <<<"$depends")
  ((accepted)) || fail "no alternative of Depends takes $owner $version, which holds $face ($file)"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/games/quorvex ./usr/share/man/man6/quorvex.6.gz \
  ./usr/share/applications/org.example.quorvex.desktop \
  ./usr/share/metainfo/org.example.quorvex.metainfo.xml \
  ./usr/share/icons/hicolor/256x256/apps/org.example.quorvex.png \
  ./usr/share/doc/quorvex/copyright ./usr/share/doc/quorvex/changelog.gz; do
  grep -qx "$path" <<<"$contents" || fail "package lacks $path"
done
grep -q '^\./usr/bin/' <<<"$contents" && fail "something is installed in /usr/bin"

report
