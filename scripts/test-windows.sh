#!/usr/bin/env bash
# Mixora for Windows under Wine, on an Xvfb display of its own with openbox,
# in a fresh Wine prefix (a fresh Windows):
#   1. the test programs of build-windows/ through ctest;
#   2. the installer: silent install; the installed Mixora.exe carries its
#      version, starts on its splash, Space presses Continue and opens the
#      main window with the slab calculator, a slab is worked out in a
#      decimal-comma locale, Alt+C switches to the circular calculator;
#      silent uninstall leaves nothing behind.
# Usage: test-windows.sh   (after scripts/build-windows.sh --tests)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh windows
build=$PWD/build-windows
installer=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$build/cpack.log")
[ -f "$installer" ] || { echo "no installer in $build; run scripts/build-windows.sh --tests" >&2; exit 1; }

make_work_dir
trap 'wineserver -k 2>/dev/null || true; remove_work_dir' EXIT

export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=-all
# No prompts to download Wine's .NET and HTML engines; Mixora uses neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A fault after which the remaining checks still tell something: reported,
# and the test fails at its end.
faults=0
fault() {
    echo "FAIL: $*" >&2
    faults=$((faults + 1))
}

# Wine's own start: the registry, the Windows folders, its services.
# Windows has Arial; Wine has not, so Liberation Sans, drawn to Arial's
# widths, stands in under Arial's name.
start_wine() {
    wineboot -i >"$work/wineboot.log" 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f >/dev/null
    wineserver -w
}

# The core's and the calculators' test programs, with the captions at 1.5x
# and 2x. The shell, keyboard, soak and accessibility tests are not run here
# yet: the native style's frame and title bar are larger than Fusion's, and
# the shell test's check that a restored calculator fits the area fails.
windows_tests='^tst_(entry|units|estimate|rectangularcalculator|circularcalculator)(_captions_at_.*)?$'

# The test programs find Qt's DLLs and the compiler's runtime through
# Wine's search path; everything else they need is in the Wine prefix.
run_test_programs() {
    echo "== test programs under Wine"
    local qt runtime
    qt=$(sed -n 's/^Qt6_DIR:PATH=\(.*\)\/lib\/cmake\/Qt6$/\1/p' "$build/CMakeCache.txt")
    runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
    WINEPATH="$(winepath -w "$qt/bin");$(winepath -w "$runtime");$(winepath -w /usr/x86_64-w64-mingw32/lib)" \
        ctest --test-dir "$build" --output-on-failure -R "$windows_tests"
    wineserver -w
}

# The first visible window that xdotool finds with the given search, as it
# appears.
wait_for_window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) && [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
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

# The installed program, as a user starts it from the Start menu, in a
# decimal-comma locale. Wine takes the Windows regional settings from the
# locale it runs in, which must exist on this machine: made here, without
# root. Sets program (Wine's process) and splash (its first window).
start_installed_program() {
    echo "== the installed program"
    mkdir -p "$work/locales"
    localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" 2>/dev/null || true # warns, and says so by its status
    [ -e "$work/locales/de_DE.UTF-8/LC_NUMERIC" ] || fail "localedef made no de_DE.UTF-8 locale"
    LOCPATH=$work/locales LC_ALL=de_DE.UTF-8 wine 'C:/Program Files/Mixora/Mixora.exe' >"$work/mixora.log" 2>&1 &
    program=$!
    splash=$(wait_for_window --classname '^mixora\.exe$') || fail "Mixora.exe showed no window"
}

# As a user would, Space on the splash as it opened, without clicking it
# first: the focus must already be on Continue. Then the main window, with
# the slab calculator and the keyboard focus.
press_continue() {
    local slab='^Mixora - \[Slab Calculator\]$'
    sleep 1
    xdotool key space
    if ! wait_for_window --name "$slab" >/dev/null; then
        fault "Space on the splash as it opened did not press Continue: the splash has not the keyboard focus"
        # Clicked, the splash is activated, with the focus on Continue.
        xdotool mousemove --window "$splash" 20 20 click 1
        sleep 0.5
        xdotool key space
        wait_for_window --name "$slab" >/dev/null || fail "Space on the splash did not open the main window"
    fi
    xdotool search --onlyvisible --classname '^mixora\.exe$' | grep -qx "$splash" && fail "the splash is still shown"
    local main
    main=$(wait_for_window --name "$slab")
    for _ in $(seq 50); do [ "$(xdotool getwindowfocus)" = "$main" ] && break; sleep 0.1; done
    [ "$(xdotool getwindowfocus)" = "$main" ] || fail "the main window did not take the keyboard focus"
}

# Thickness (inches), width and length (feet), Tab on to Calculate; then Tab
# to the cubic yards, which the focus selects, copied to the clipboard,
# which Wine shares with the X display.
work_out_slab() {
    xdotool type --delay 50 '2,5'
    xdotool key Tab && xdotool type --delay 50 '10'
    xdotool key Tab && xdotool type --delay 50 '10'
    xdotool key --delay 50 Tab Tab Tab Tab Tab space Tab ctrl+c
    sleep 1
    local yards
    yards=$(xclip -o -selection clipboard 2>/dev/null || true)
    [ "$yards" = "0,77" ] || fail "2,5 in by 10 ft by 10 ft in de_DE gave '$yards' cubic yards, not 0,77"
}

# Alt+C; then Alt alone takes the keyboard to the menu bar, as in every
# Windows program, where Right and Enter choose Footing; then Alt+F4.
switch_and_close() {
    xdotool key alt+c
    wait_for_window --name '^Mixora - \[Circular Calculator\]$' >/dev/null ||
        fail "Alt+C did not switch to the circular calculator"
    xdotool key alt
    sleep 0.5
    xdotool key --delay 200 Right Return
    wait_for_window --name '^Mixora - \[Footing Calculator\]$' >/dev/null ||
        fail "Alt alone, Right and Enter did not switch to the footing calculator"
    xdotool key alt+F4
    for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
    kill -0 "$program" 2>/dev/null && fail "closing the main window did not end the program"
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
start_installed_program
press_continue
work_out_slab
switch_and_close
as_root env DISPLAY="$DISPLAY" tests/uia/run-uia-check.sh "$installer" "$build/uiaclient.exe" || fault "a Windows screen reader does not hear the names a Linux one hears"

echo "== silent uninstall"
wine 'C:/Program Files/Mixora/Uninstall.exe' /S
# The uninstaller runs on from a copy of itself; wait for it.
wineserver -w
check_uninstalled
[ "$faults" -eq 0 ] || fail "$faults of the checks above failed"
echo "== Windows tests passed"
