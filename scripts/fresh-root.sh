# Sourced by the scripts that try the project in a fresh Debian 12 root.
# make_fresh_root NAME: a copy of a minimal Debian 12 root (made once with
# debootstrap and kept in $BRASK_ROOT_DIR/base, default /var/tmp/brask-root)
# in $roots/NAME, with /proc, /sys and /dev mounted and the host's name
# servers; sets $root, and unmounts everything when the script ends.
roots=${BRASK_ROOT_DIR:-/var/tmp/brask-root}
root=""
mounts=()
unmount_root() {
  local i
  for (( i = ${#mounts[@]} - 1; i >= 0; i-- )); do umount -l "${mounts[$i]}" 2>/dev/null || true; done
}
trap unmount_root EXIT
# bind HOST-FOLDER ROOT-FOLDER
bind() {
  mkdir -p "$root$2"
  mount --bind "$1" "$root$2"
  mounts+=("$root$2")
}
make_fresh_root() {
  [ "$(id -u)" -eq 0 ] || { echo "fresh-root: needs root (debootstrap, chroot, mounts)" >&2; exit 1; }
  # The Debian mirror this machine's apt uses, unless BRASK_MIRROR names one.
  local mirror=${BRASK_MIRROR:-} base="$roots/base" m
  if [ -z "$mirror" ]; then
    mirror=$( { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null \
      || true; } | sed -n -e 's|^URIs: *\([^ ]*/debian\)/*$|\1|p' \
                         -e 's|^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*/debian\)/* bookworm .*|\2|p' | head -1)
    mirror=${mirror:-http://deb.debian.org/debian}
  fi
  if [ ! -e "$base/.brask-base-done" ]; then
    echo "fresh-root: making a minimal Debian 12 root in $base from $mirror"
    rm -rf "$base"
    mkdir -p "$roots"
    debootstrap --variant=minbase bookworm "$base" "$mirror" >"$roots/debootstrap.log" 2>&1 \
      || { tail -20 "$roots/debootstrap.log" >&2; exit 1; }
    touch "$base/.brask-base-done"
  fi
  root="$roots/$1"
  echo "fresh-root: copying it to $root"
  # A run cut short may have left its mounts.
  for m in tmp/.X11-unix dev/pts dev sys proc; do umount -l "$root/$m" 2>/dev/null || true; done
  rm -rf --one-file-system "$root"
  cp -a "$base" "$root"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
  mounts+=("$root/proc")
  bind /sys /sys
  bind /dev /dev
  bind /dev/pts /dev/pts
}
