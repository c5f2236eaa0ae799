#!/usr/bin/env bash
# Runs the README's test command inside a root of another Debian release, as
# on a fresh machine of it: Debian 13 (trixie) or Debian testing. Each root
# is made once with debootstrap (minbase) into a cache folder outside the
# clone and reused after; each run copies the working tree in without its
# git history, as a source tarball would be.
# Needs root. Usage: test-debian.sh 13|testing [arguments of scripts/test.sh]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
source=$PWD

case "${1:-}" in
    13) name=debian13 suite=trixie title="Debian 13" ;;
    # Debian 12's debootstrap knows testing by that name only, not by its
    # codename (forky).
    testing) name=debian-testing suite=testing title="Debian testing" ;;
    *)
        echo "usage: $0 13|testing [arguments of scripts/test.sh]" >&2
        exit 2
        ;;
esac
shift
if [ "$(id -u)" -ne 0 ]; then
    echo "making and entering a Debian root needs root: sudo $0 $*" >&2
    exit 1
fi
cache=$(mixora_cache_dir)
root=$cache/$name

# One run at a time uses a root.
mkdir -p "$cache"
exec {lock}>"$cache/$name.lock"
flock "$lock"

install_missing debootstrap rsync

if [ ! -e "$root/.complete" ]; then
    echo "== making the $title root in $root"
    # A run killed with its folders mounted must not have them deleted.
    if grep -q " $root/" /proc/mounts; then
        echo "folders are still mounted under $root; unmount them first" >&2
        exit 1
    fi
    rm -rf "$root"
    log=$cache/$name-debootstrap.log
    debootstrap --variant=minbase "$suite" "$root" "$(scripts/debian-mirror.sh)" >"$log" 2>&1 ||
        { tail -n 30 "$log"; exit 1; }
    # Packages installed there must not try to start services.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
    # A root made again at will needs no syncing to disk after each package,
    # nor a manual page index: both cost a cold run minutes of unpacking.
    echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/mixora-unsafe-io"
    echo 'man-db man-db/auto-update boolean false' | chroot "$root" debconf-set-selections
    if [ "$suite" = testing ]; then
        # The testing archive's Release file is valid for a week only, and a
        # mirror that lags serves it past that; apt still checks its
        # signature and every file against it.
        echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/50mixora-valid-until"
    fi
    touch "$root/.complete"
fi

mounts=()
unmount() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -l "${mounts[i]}" 2>/dev/null || true
    done
}
trap unmount EXIT
bind() {
    mkdir -p "$root$2"
    mount "${@:3}" "$1" "$root$2"
    mounts+=("$root$2")
}
bind /proc /proc --rbind
bind /sys /sys --rbind
bind /dev /dev --rbind
bind tmpfs /dev/shm -t tmpfs
bind tmpfs /tmp -t tmpfs
# Orca runs once per user on the whole machine, roots included: the
# screen-reader runs inside take the same lock file as those outside.
orca_lock=/tmp/mixora-orca-$(id -u).lock
touch "$orca_lock"
touch "$root$orca_lock"
mount --bind "$orca_lock" "$root$orca_lock"
mounts+=("$root$orca_lock")
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The tracked and new files, without .git (nor those deleted but not yet
# committed). Unchanged files keep their times, so a second run rebuilds
# only what changed; a changed one is stamped now, not with its time here,
# which can be older than the root's build (of another clone, say).
echo "== copying the sources into the root"
mkdir -p "$root/root/mixora"
git ls-files -z --cached --others --exclude-standard |
    rsync -rlpD --checksum --delete --ignore-missing-args --from0 --files-from=- ./ "$root/root/mixora/"
# rsync --delete only deletes within the listed files' folders; sweep the rest.
(cd "$root/root/mixora" && find . -path './build*' -prune -o -type f -print0) |
    while IFS= read -r -d '' file; do
        [ -e "$source/$file" ] || rm -f "$root/root/mixora/$file"
    done

echo "== the test command on $title"
# MIXORA_ORCA_LOG names where the screen-reader journey's Orca log is kept.
status=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb ${FUZZ_SECONDS:+FUZZ_SECONDS=$FUZZ_SECONDS} \
    ${MIXORA_ORCA_LOG:+MIXORA_ORCA_LOG=/root/orca.log} \
    /bin/bash -c 'cd /root/mixora && scripts/test.sh "$@"' test.sh "$@" || status=$?
if [ -n "${MIXORA_ORCA_LOG:-}" ] && [ -e "$root/root/orca.log" ]; then
    mv "$root/root/orca.log" "$MIXORA_ORCA_LOG"
fi
exit "$status"
