#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Mixora need,
# and only those that are missing, on Debian 12, 13 or testing.
# Usage: install-deps.sh run|test [LABELS]|bench|screenshots|windows
#   test         everything scripts/test.sh runs: the suite, the sanitizer
#                and fuzzing runs
#   test LABELS  only what the suite's tests of those ctest labels need
#                (comma-separated: core, windows, desktop, package)
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# qt6-wayland lets the program run natively on a Wayland desktop.
packages=(cmake g++ make pkg-config qt6-base-dev libxcb1-dev libfontconfig-dev qt6-wayland fonts-liberation fontconfig)
with_label() {
    [[ ,$labels, == *,$1,* ]]
}
case "${1:-run}" in
    test)
        labels=${2:-core,windows,desktop,package}
        # The benchmarks, built with the suite, watch the screen through xcb.
        packages+=(libxcb-damage0-dev libxcb-xtest0-dev)
        if with_label desktop; then
            packages+=(xvfb xauth x11-utils weston dbus at-spi2-core python3-pyatspi
                       openbox xdotool orca speech-dispatcher speech-dispatcher-espeak-ng)
        fi
        if with_label package; then
            packages+=(desktop-file-utils appstream dpkg-dev file lintian devscripts binutils)
            # Debian testing no longer ships appstream-util: its source,
            # appstream-glib, has left it. appstreamcli validates the same
            # file on every release; tests/checkinstall.cmake runs
            # appstream-util only where it is installed.
            . /etc/os-release
            case "$VERSION_CODENAME" in
                bookworm | trixie) packages+=(appstream-util) ;;
            esac
        fi
        # The fuzzers are built with clang.
        if [ -z "${2:-}" ]; then packages+=(clang); fi
        ;;
    bench)
        packages+=(libxcb-damage0-dev libxcb-xtest0-dev xvfb)
        ;;
    windows)
        packages+=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev nsis wine wine64 xvfb xauth x11-utils xdotool openbox xclip locales)
        ;;
    screenshots)
        packages+=(xvfb x11-utils openbox xdotool imagemagick)
        ;;
esac

install_missing "${packages[@]}"
# The fuzzers' runtime is named after the release's clang: 14 on Debian 12,
# 19 on Debian 13, 21 on testing now.
if [ "${1:-run}" = test ] && [ -z "${2:-}" ]; then
    install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
fi
