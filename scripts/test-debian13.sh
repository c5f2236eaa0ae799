#!/usr/bin/env bash
# Runs the README's test command inside a Debian 13 root, as on a fresh
# Debian 13 machine. The root is made once with debootstrap (minbase) into a
# cache folder outside the clone and reused after; each run copies the
# working tree in without its git history, as a source tarball would be.
# Needs root. Usage: test-debian13.sh [arguments of scripts/test.sh]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
source=$PWD

if [ "$(id -u)" -ne 0 ]; then
    echo "making and entering a Debian root needs root: sudo $0 $*" >&2
    exit 1
fi
cache=$(mixora_cache_dir)
root=$cache/debian13
suite=trixie

# One run at a time uses the root.
mkdir -p "$cache"
exec {lock}>"$cache/debian13.lock"
flock "$lock"

install_missing debootstrap rsync

if [ ! -e "$root/.complete" ]; then
    echo "== making the Debian 13 root in $root"
    # A run killed with its folders mounted must not have them deleted.
    if grep -q " $root/" /proc/mounts; then
        echo "folders are still mounted under $root; unmount them first" >&2
        exit 1
    fi
    rm -rf "$root"
    debootstrap --variant=minbase "$suite" "$root" "$(scripts/debian-mirror.sh)" >"$cache/debootstrap.log" 2>&1 ||
        { tail -n 30 "$cache/debootstrap.log"; exit 1; }
    # Packages installed there must not try to start services.
    printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
    chmod +x "$root/usr/sbin/policy-rc.d"
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
cp /etc/resolv.conf "$root/etc/resolv.conf"

# The tracked and new files, without .git; unchanged files keep their times,
# so a second run rebuilds only what changed.
echo "== copying the sources into the root"
mkdir -p "$root/root/mixora"
git ls-files -z --cached --others --exclude-standard |
    rsync -a --checksum --delete --from0 --files-from=- ./ "$root/root/mixora/"
# rsync --delete only deletes within the listed files' folders; sweep the rest.
(cd "$root/root/mixora" && find . -path './build*' -prune -o -type f -print0) |
    while IFS= read -r -d '' file; do
        [ -e "$source/$file" ] || rm -f "$root/root/mixora/$file"
    done

echo "== the test command on Debian 13"
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM=dumb ${FUZZ_SECONDS:+FUZZ_SECONDS=$FUZZ_SECONDS} \
    /bin/bash -c 'cd /root/mixora && scripts/test.sh "$@"' test.sh "$@"
