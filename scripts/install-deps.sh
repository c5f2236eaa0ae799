#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Mixora need,
# and only those that are missing. Usage: install-deps.sh run|test
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev libxcb1-dev fonts-liberation fontconfig)
if [ "${1:-run}" = test ]; then
    packages+=(desktop-file-utils appstream dpkg-dev file clang libclang-rt-14-dev
               xvfb xauth x11-utils dbus at-spi2-core python3-pyatspi)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
