#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Mixora need,
# and only those that are missing, on Debian 12 or 13.
# Usage: install-deps.sh run|test|bench|screenshots|windows
set -euo pipefail

# qt6-wayland lets the program run natively on a Wayland desktop.
packages=(cmake g++ make pkg-config qt6-base-dev libxcb1-dev libfontconfig-dev qt6-wayland fonts-liberation fontconfig)
case "${1:-run}" in
    test)
        packages+=(desktop-file-utils appstream appstream-util dpkg-dev file lintian devscripts binutils
                   clang libxcb-damage0-dev libxcb-xtest0-dev xvfb xauth x11-utils weston dbus at-spi2-core python3-pyatspi
                   openbox xdotool orca speech-dispatcher speech-dispatcher-espeak-ng)
        ;;
    bench)
        packages+=(libxcb-damage0-dev libxcb-xtest0-dev xvfb)
        ;;
    windows)
        packages+=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev nsis wine wine64 xvfb xauth xdotool openbox xclip locales)
        ;;
    screenshots)
        packages+=(xvfb openbox xdotool imagemagick)
        ;;
esac

# Installs those of its arguments that are not installed yet.
install_missing() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local install=(env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}")
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Mixora needs Debian packages that are not installed, and this user can neither" >&2
            echo "install them (not root) nor use sudo (not installed). As root, run:" >&2
            echo >&2
            echo "    apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
            echo >&2
            echo "then run this command again." >&2
            exit 1
        fi
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" "${install[@]}"
}

install_missing "${packages[@]}"
# The fuzzers' runtime is named after the release's clang: 14 on Debian 12,
# 19 on Debian 13.
if [ "${1:-run}" = test ]; then
    install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
