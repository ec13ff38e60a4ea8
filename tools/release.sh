#!/usr/bin/env bash
# Builds the release of the last commit into dist/: the source tarball, the Debian package,
# the Windows installer and portable zip, the web site's zip, and SHA256SUMS over them.
# Everything is built from that tarball in a scratch folder, dated by the commit, so one commit
# gives the same bytes wherever and whenever it is built. The Windows executable's debug
# sections go to dist/debug/, which is not part of the release.
# Usage: release.sh SHARED_DIR   (the shared folder with the Qt for Windows and WebAssembly)
set -euo pipefail
cd "$(dirname "$0")/.."
shared=$(realpath "$1")
[[ -z $(git status --porcelain --untracked-files=no) ]] ||
  echo "note: uncommitted changes are left out; the release is of $(git rev-parse --short HEAD)"

export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export TZ=UTC LC_ALL=C.UTF-8
version=$(cmake -P cmake/version.cmake)
name=quorvex-$version
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf dist
mkdir -p dist/debug

bash tools/source_tarball.sh "dist/$name.tar.xz"
# The source is what people wrote: nothing an interpreter, compiler or editor left behind.
generated=$(tar -tJf "dist/$name.tar.xz" | grep -E '(__pycache__/|\.(pyc|pyo|o|obj|a|so|exe|dll)$|~$)' || true)
[[ -z $generated ]] || { echo "the source tarball holds generated files:"; echo "$generated"; exit 1; }
tar -C "$work" -xf "dist/$name.tar.xz"
source=$work/$name

# Built as a player builds it: what the source's Makefile does, without -Werror.
make -C "$source" --no-print-directory game BUILD_DIR="$work/linux" CACHE=0
bash tools/make_deb.sh "$work/linux" dist
echo "== the source and the Debian package are in dist/"
# What needs Debian 13 (the Windows packages and the site for browsers), in one run there.
make -C "$source" --no-print-directory release-on-debian13 SHARED="$shared" \
  WINDOWS_DIR="$work/windows" WEB_DIR="$work/web" CACHE=0
cp "$work/windows/$name-setup.exe" "$work/windows/$name-windows.zip" "$work/web/$name-web.zip" dist/
cp "$work/windows/quorvex.exe.debug" dist/debug/

(cd dist && find . -maxdepth 1 -type f -printf '%P\n' | LC_ALL=C sort | xargs sha256sum >"$work/sums")
mv "$work/sums" dist/SHA256SUMS
ls -l dist
cat dist/SHA256SUMS
