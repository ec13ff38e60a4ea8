#!/usr/bin/env bash
# Runs a command as root in a fresh minimal Debian root of the given release, as a new user's
# machine has it: laid anew from a minbase image on every call, so a package that no command
# installs is missing there. Only the image and the downloaded packages are kept between calls
# (under QUORVEX_ROOT_CACHE), which spares the downloads, not the installs.
# Usage: debian_root.sh 12|13 [--kept] [--source TARBALL] [--shared DIR] [--copy FILE]
#                        [--bind DIR] [--bind-ro DIR] -- COMMAND...
#   --kept: the release's build root instead, laid once and kept (under QUORVEX_ROOT_CACHE)
#   with what earlier commands installed in it, for builds that need the release's tools, not a
#   proof of what a new machine lacks; laid anew after a week, so that it takes the release's
#   updates; --source: unpacked at /src/quorvex (the command runs there); --shared: bound
#   read-only at /src/shared, as CI has ../shared beside the clone; --copy: put in /src;
#   --bind, --bind-ro: a host folder bound at its own path, writable or not (the command runs
#   in the first writable one), so that what is built there keeps the paths it has on the host.
set -euo pipefail
case ${1:-} in
12) codename=bookworm ;;
13) codename=trixie ;;
*) echo "usage: $0 12|13 [--kept] [--source TARBALL] [--shared DIR] [--copy FILE] [--bind[-ro] DIR] -- COMMAND..." >&2; exit 2 ;;
esac
shift
source_tarball="" shared="" copies=() binds=() kept=0
while (($# > 0)); do
  case $1 in
  --kept) kept=1; shift ;;
  --source) source_tarball=$(realpath "$2"); shift 2 ;;
  --shared) shared=$(realpath "$2"); shift 2 ;;
  --copy) copies+=("$(realpath "$2")"); shift 2 ;;
  --bind) binds+=("rw:$(realpath "$2")"); shift 2 ;;
  --bind-ro) binds+=("ro:$(realpath "$2")"); shift 2 ;;
  --) shift; break ;;
  *) echo "unknown option $1" >&2; exit 2 ;;
  esac
done
(($# > 0)) || { echo "no command" >&2; exit 2; }
# What is put in /src is the command's own, which a root shared by several cannot keep apart.
if ((kept)) && [[ -n $source_tarball$shared || ${#copies[@]} -gt 0 ]]; then
  echo "--kept takes no --source, --shared or --copy" >&2
  exit 2
fi
command -v debootstrap >/dev/null || { echo "debootstrap is missing (./dev installs it)" >&2; exit 2; }

cache=${QUORVEX_ROOT_CACHE:-/var/cache/quorvex-roots}
image=$cache/$codename-minbase.tar
archives=$cache/$codename-archives
# ccache's answers outlive the roots, as the downloads do: the compilers are the release's.
compiler_cache=$cache/$codename-ccache
mkdir -p "$cache" "$archives" "$compiler_cache"

# The Debian mirror this machine's own apt uses.
mirror() {
  local uri
  uri=$(apt-get indextargets --format '$(REPO_URI)' 'Identifier: Packages' 2>/dev/null |
    grep -v security | head -n 1)
  echo "${uri:-$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)}"
}

if [[ ! -s $image ]]; then
  echo "== making a minimal Debian $codename image (once)"
  staging=$(mktemp -d /var/tmp/quorvex-image.XXXXXX)
  debootstrap --variant=minbase "$codename" "$staging" "$(mirror)" >"$staging.log" 2>&1 ||
    { tail -n 20 "$staging.log"; rm -rf "$staging"; exit 1; }
  rm -f "$staging.log"
  tar -C "$staging" -cf "$image.new" .
  rm -rf "$staging"
  mv "$image.new" "$image"
fi

if ((kept)); then
  root=$cache/$codename-build
else
  root=$(mktemp -d /var/tmp/quorvex-root.XXXXXX)
fi
root_archives=$root/var/cache/apt/archives
# The packages this root downloaded join the kept ones; each root has its own folder, since apt
# locks it, and roots may run side by side.
keep_downloads() {
  local deb
  for deb in "$root_archives"/*.deb; do
    [[ -e $deb && ! -e $archives/${deb##*/} ]] || continue
    cp "$deb" "$archives/.${deb##*/}.$$" && mv "$archives/.${deb##*/}.$$" "$archives/${deb##*/}"
  done
}
# A host folder bound inside is on the same file system as the root, so --one-file-system
# would not spare it: the root is removed only once every bound folder is an empty mount point.
cleanup() {
  local bind target
  keep_downloads
  ((kept)) && return
  for bind in "${binds[@]}"; do
    target=$root${bind#*:}
    ! mountpoint -q "$target" || umount -l "$target" || true
    if [[ -n $(ls -A "$target" 2>/dev/null) ]]; then
      echo "$target still shows the host's folder; $root is left in place" >&2
      return
    fi
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
# lay: the root from the image, unless it is laid already (a kept one less than a week ago).
lay() {
  if [[ -e $root/.laid && -z $(find "$root/.laid" -mtime +6) ]]; then return; fi
  rm -rf --one-file-system "$root"
  mkdir -p "$root"
  tar -C "$root" -xf "$image"
  chmod 755 "$root" # as a root folder is, or apt's own user cannot reach its lists
  # A root here can always be laid anew, so dpkg need not sync each file it unpacks to disk.
  echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/quorvex-unsafe-io"
  touch "$root/.laid"
}
if ((kept)); then
  (flock 8 && lay) 8>"$root.lock" # commands may share the kept root side by side; one lays it
else
  lay
fi
mkdir -p "$root_archives/partial"
cp -l "$archives"/*.deb "$root_archives/" 2>/dev/null || cp "$archives"/*.deb "$root_archives/" 2>/dev/null || true
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/src"
[[ -z $source_tarball ]] || { mkdir "$root/src/quorvex" && tar -C "$root/src/quorvex" --strip-components=1 -xf "$source_tarball"; }
for file in "${copies[@]}"; do cp "$file" "$root/src/"; done
[[ -z $shared ]] || mkdir "$root/src/shared"
workdir=/src
[[ -z $source_tarball ]] || workdir=/src/quorvex
bind_list=""
for bind in "${binds[@]}"; do
  mkdir -p "$root${bind#*:}"
  bind_list+="$bind"$'\n'
  [[ $workdir != /src || $bind != rw:* ]] || workdir=${bind#*:}
done

# The mounts live in a private namespace: they end with the command, whatever happens.
inside=$(
  cat <<'EOF'
set -e
# In a chroot (a root run inside another) "/" is no mount point and cannot be made private;
# there the namespace of the run outside keeps the mounts from the host.
mount --make-rprivate / 2>/dev/null || true
mount --rbind /dev "$ROOT/dev"
mount -t proc proc "$ROOT/proc"
mount --rbind /sys "$ROOT/sys"
mount -t tmpfs tmpfs "$ROOT/tmp"
mkdir -p "$ROOT/var/cache/ccache"
mount --bind "$COMPILER_CACHE" "$ROOT/var/cache/ccache"
if [ -n "$SHARED" ]; then mount --bind -o ro "$SHARED" "$ROOT/src/shared"; fi
printf '%s' "$BINDS" | while IFS= read -r bind; do
  mkdir -p "$ROOT${bind#*:}" # also under the root's own /tmp
  mount --bind "${bind#*:}" "$ROOT${bind#*:}"
  if [ "${bind%%:*}" = ro ]; then mount -o remount,bind,ro "$ROOT${bind#*:}"; fi
done
cd /
exec chroot "$ROOT" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ${CI:+CI=$CI} \
  CCACHE_DIR=/var/cache/ccache \
  /bin/bash -c 'cd "$0" && exec "$@"' "$WORKDIR" "$@"
EOF
)
ROOT=$root SHARED=$shared BINDS=$bind_list WORKDIR=$workdir COMPILER_CACHE=$compiler_cache \
  unshare --mount --propagation unchanged bash -c "$inside" bash "$@"
