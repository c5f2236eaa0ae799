#!/usr/bin/env bash
# Mixora for Windows under Wine, on an Xvfb display of its own with openbox,
# in a fresh Wine prefix (a fresh Windows):
#   1. every test program of build-windows/ through ctest;
#   2. the installer: silent install; the installed Mixora.exe carries its
#      version; a keyboard user's way through it with real keys, in a
#      decimal-comma locale (tests/wine/keyboard_journey.py); silent
#      uninstall leaves nothing behind.
# Usage: test-windows.sh   (after scripts/build-windows.sh --tests)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh windows
build=$PWD/build-windows
installer=$(installer_of "$build")
[ -f "$installer" ] || { echo "no installer in $build; run scripts/build-windows.sh --tests" >&2; exit 1; }

make_work_dir
use_wine "$work" "$work/prefix"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The test programs find Qt's DLLs and the compiler's runtime through
# Wine's search path. Wine makes each prompt's native window in about 50 ms,
# so the soak test takes 2,000 random steps here, not 10,000.
run_test_programs() {
    echo "== test programs under Wine"
    local path
    path=$(test_wine_path "$build")
    MIXORA_SOAK_STEPS=2000 WINEPATH=$path ctest --test-dir "$build" --output-on-failure
    wineserver -w
}

# A value of the version resource: its key and its value are the file's
# consecutive UTF-16 strings.
version_value() {
    x86_64-w64-mingw32-strings -a -el "$1" | sed -n "/^$2\$/{n;p;q}"
}

check_installed() {
    local dir=$WINEPREFIX/drive_c/Program\ Files/Mixora
    local file
    for file in Mixora.exe Uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll platforms/qwindows.dll \
                libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll licenses/Qt/LGPL-3.txt; do
        [ -f "$dir/$file" ] || fail "the installer did not install $file"
    done
    local key expected
    for key in FileVersion ProductVersion ProductName InternalName; do
        case $key in *Version) expected=1.00 ;; *) expected=Mixora ;; esac
        [ "$(version_value "$dir/Mixora.exe" "$key")" = "$expected" ] ||
            fail "Mixora.exe's $key is '$(version_value "$dir/Mixora.exe" "$key")', not $expected"
    done
    local entry
    entry=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mixora' | tr -d '\r')
    for expected in 'DisplayName    REG_SZ    Mixora' 'DisplayVersion    REG_SZ    1.00' 'Publisher    REG_SZ    Quendrix'; do
        grep -qF "$expected" <<<"$entry" || { echo "$entry"; fail "Add or Remove Programs lacks '$expected'"; }
    done
    [ -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Mixora/Mixora.lnk" ] ||
        fail "no Start-menu entry Mixora"
}

# Wine takes the Windows regional settings from the locale it runs in,
# which must exist on this machine: made here, without root.
make_decimal_comma_locale() {
    mkdir -p "$work/locales"
    localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" 2>/dev/null || true # warns, and says so by its status
    [ -e "$work/locales/de_DE.UTF-8/LC_NUMERIC" ] || fail "localedef made no de_DE.UTF-8 locale"
}

# A keyboard user's way through the installed program, in a decimal-comma
# locale, with real keys (tests/wine/keyboard_journey.py).
keyboard_journey() {
    echo "== the keyboard journey"
    /usr/bin/python3 tests/wine/keyboard_journey.py env LOCPATH="$work/locales" LC_ALL=de_DE.UTF-8 \
        wine 'C:/Program Files/Mixora/Mixora.exe' || fault "the keyboard journey failed"
    wineserver -w
}

check_uninstalled() {
    [ ! -e "$WINEPREFIX/drive_c/Program Files/Mixora" ] ||
        { find "$WINEPREFIX/drive_c/Program Files/Mixora"; fail "the uninstaller left files behind"; }
    [ ! -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Mixora" ] ||
        fail "the uninstaller left the Start-menu entry"
    ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mixora' >/dev/null 2>&1 ||
        fail "the uninstaller left its entry in Add or Remove Programs"
    ! wine reg query 'HKLM\Software\Quendrix' >/dev/null 2>&1 || fail "the uninstaller left the key HKLM\Software\Quendrix"
}

start_xvfb "$work"
start_openbox "$work"
start_wine
run_test_programs

echo "== silent install of $(basename "$installer")"
wine "$installer" /S
wineserver -w
check_installed
make_decimal_comma_locale
keyboard_journey
as_root env DISPLAY="$DISPLAY" tests/uia/run-uia-check.sh "$installer" "$build/uiaclient.exe" || fault "a Windows screen reader does not hear the names a Linux one hears"

echo "== silent uninstall"
wine 'C:/Program Files/Mixora/Uninstall.exe' /S
# The uninstaller runs on from a copy of itself; wait for it.
wineserver -w
check_uninstalled
fail_if_faults
echo "== Windows tests passed"
