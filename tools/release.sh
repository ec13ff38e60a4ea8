#!/usr/bin/env bash
# Builds the release of the last commit into dist/: the source tarball, the Debian package,
# the Windows installer and portable zip, and SHA256SUMS over them. Everything is built from
# that tarball in a scratch folder, dated by the commit, so one commit gives the same bytes
# wherever and whenever it is built. The Windows executable's debug sections go to
# dist/debug/, which is not part of the release.
# Usage: release.sh QT_WINDOWS_PREFIX [QT_HOST_PATH]
set -euo pipefail
cd "$(dirname "$0")/.."
qt_windows=$(realpath "$1")
qt_host=${2:-/usr}
[[ -e $qt_windows/lib/cmake/Qt6/qt.toolchain.cmake ]] ||
  { echo "no Qt for Windows at $qt_windows"; exit 1; }
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

# The tracked files only; git archive fixes order, owner and times (the commit's).
git archive --format=tar --prefix="$name/" HEAD | xz -9 -T1 >"dist/$name.tar.xz"
tar -C "$work" -xf "dist/$name.tar.xz"
source=$work/$name

cmake -S "$source" -B "$work/linux" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$work/linux" --target quorvex quorvex_docs
bash tools/make_deb.sh "$work/linux" dist

cmake -S "$source" -B "$work/windows" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt_windows/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_HOST_PATH="$qt_host" >/dev/null
cmake --build "$work/windows" --target quorvex_windows_packages
cp "$work/windows/$name-setup.exe" "$work/windows/$name-windows.zip" dist/
cp "$work/windows/quorvex.exe.debug" dist/debug/

(cd dist && find . -maxdepth 1 -type f -printf '%P\n' | LC_ALL=C sort | xargs sha256sum >"$work/sums")
mv "$work/sums" dist/SHA256SUMS
ls -l dist
cat dist/SHA256SUMS
