#!/usr/bin/env bash
# Cross-builds Mixora for 64-bit Windows and packs its installer, with
# Debian's own parts alone: Qt for Windows is built once from Debian's
# qt6-base source (the version of the installed host tools) with MinGW-w64,
# into a cache folder outside the clone, and reused after. The last line
# printed is the installer's path.
# Usage: build-windows.sh [--tests]
#   --tests  also builds the test programs, which scripts/test-windows.sh
#            then runs under Wine
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
source=$PWD
build=$source/build-windows
with_tests=OFF
[ "${1:-}" = --tests ] && with_tests=ON
jobs=$(nproc)

scripts/install-deps.sh windows

# Only the modules Mixora uses, with Qt's own copies of the libraries
# that Windows lacks. No tablet (pen) input: Debian's source leaves out
# the Wintab header, whose licence forbids changes, and Mixora takes none.
# Nor the GIF reader, the graphics view or the file, colour and font
# dialogs, which nothing uses; the ICO reader stays for the shell test,
# which reads the icon files. Nor the Direct2D platform plugin, which the
# installer never ships; the Direct2D feature itself stays, without which
# Qt 6.4's Windows platform plugin does not link, as it still calls Qt
# Gui's DirectWrite font database. Optimised for size: smaller DLLs to
# ship.
qt_features=(
    -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF
    -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_optimize_size=ON -DFEATURE_graphicsview=OFF -DFEATURE_filedialog=OFF
    -DFEATURE_colordialog=OFF -DFEATURE_fontdialog=OFF -DFEATURE_direct2d1_1=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_gif=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_freetype=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_libpng=OFF
)

cache=$(mixora_cache_dir)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# Named by the version and the features: a build of other settings is not
# reused, and is removed when this one is made.
qt=$cache/qt6-windows-$version-$(printf '%s\n' "${qt_features[@]}" | sha256sum | cut -c1-8)
# The toolchain file finds the Windows Qt through it, at every configure.
export MIXORA_WINDOWS_QT=$qt
toolchain=$source/cmake/mingw-w64-x86_64.cmake
# The host's Qt tools, found through its CMake packages (in a multiarch folder).
host_cmake=$(dirname "$(dirname "$(dpkg -L qt6-base-dev | grep '/Qt6HostInfoConfig.cmake$')")")

# Debian's source packages, from the archive the machine's apt sources use.
add_source_packages() {
    if apt-get indextargets --format '$(CREATED_BY)' | grep -q '^Sources$'; then
        return
    fi
    . /etc/os-release
    local list=/etc/apt/sources.list.d/mixora-deb-src.sources
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$(scripts/debian-mirror.sh)" "$VERSION_CODENAME" | as_root tee "$list" >/dev/null
    apt_locked apt-get update -q
}

build_qt() {
    [ -e "$qt/.complete" ] && return
    echo "== building Qt $version for Windows into $qt (once; 20 to 40 minutes on 2 cores)"
    add_source_packages
    local work=$cache/qt6-windows-work
    rm -rf "$work" "$cache"/qt6-windows-[0-9]*
    mkdir -p "$work"
    (cd "$work" && apt-get source -q "qt6-base=$version" >source.log 2>&1) ||
        { tail -n 20 "$work/source.log"; exit 1; }
    local src
    src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
    # Qt 6.4's Windows plugin calls an OpenGL function outside its guard;
    # with OpenGL off it does not compile (fixed in later Qt).
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
        "$src/src/plugins/platforms/windows/qwindowswindow.cpp"
    cmake -S "$src" -B "$work/build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF "${qt_features[@]}" >"$work/configure.log" 2>&1 ||
        { tail -n 40 "$work/configure.log"; exit 1; }
    cmake --build "$work/build" --parallel "$jobs" >"$work/build.log" 2>&1 ||
        { grep -A 20 '^FAILED:' "$work/build.log" | head -n 60; exit 1; }
    cmake --install "$work/build" >"$work/install.log" 2>&1
    touch "$qt/.complete"
    rm -rf "$work"
}

# Qt's licence texts and Debian's copyright file of the very source it was
# built from (the installed host tools' version, which names the cache), to
# ship with its DLLs.
qt_licences() {
    [ -e "$qt/licenses/copyright.txt" ] && return
    mkdir -p "$qt/licenses"
    cp /usr/share/common-licenses/LGPL-3 "$qt/licenses/LGPL-3.txt"
    cp /usr/share/common-licenses/GPL-3 "$qt/licenses/GPL-3.txt"
    cp /usr/share/doc/qt6-base-dev/copyright "$qt/licenses/copyright.txt"
}

# Release build of Mixora against the Windows Qt; with --tests, its test
# programs too, which ctest then runs through Wine.
build_mixora() {
    echo "== building Mixora for Windows in $build"
    local emulator=()
    [ "$with_tests" = ON ] && emulator=(-DCMAKE_CROSSCOMPILING_EMULATOR="$source/scripts/wine-run.sh")
    mkdir -p "$build"
    cmake -S "$source" -B "$build" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING="$with_tests" "${emulator[@]}" >"$build/configure.log" 2>&1 ||
        { tail -n 40 "$build/configure.log"; exit 1; }
    cmake --build "$build" --parallel "$jobs"
}

# The installer, made by CPack with Debian's makensis; prints its path.
pack() {
    echo "== packing the installer"
    (cd "$build" && cpack -G NSIS >cpack.log 2>&1) || { tail -n 40 "$build/cpack.log"; exit 1; }
    installer_of "$build"
}

build_qt
qt_licences
build_mixora
pack
