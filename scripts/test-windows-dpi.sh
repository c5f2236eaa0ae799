#!/usr/bin/env bash
# Mixora for Windows under Wine with the display scaled as Windows scales a
# laptop's screen: 150 % and 200 % (144 and 192 dpi, Wine's LogPixels), each
# in a fresh Wine prefix, on an Xvfb display of its own with openbox. The
# scale comes from Wine alone (no QT_SCALE_FACTOR):
#   1. the captions tests of both calculators, the splash test and the
#      style's icons, run under Wine;
#   2. the installed program, scaled by as much as Wine's dpi says (its
#      splash measured against 96 dpi), and screenshots of the splash, of the
#      main window with each calculator worked out (maximised, its buttons at
#      the menu bar's end) and of the child window's menu, written to
#      tests/screenshots/windows-<dpi>dpi-*.png, with 96 dpi to compare.
# Usage: test-windows-dpi.sh   (after scripts/build-windows.sh --tests)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh
scripts/install-deps.sh windows
install_missing imagemagick
build=$PWD/build-windows
out=$PWD/tests/screenshots
installer=$(installer_of "$build" 2>/dev/null || true)
[ -f "${installer:-}" ] && [ -f "$build/tst_shell.exe" ] ||
    { echo "no installer or tests in $build; run scripts/build-windows.sh --tests" >&2; exit 1; }

make_work_dir
# A prefix for each dpi, made below.
use_wine "$work"
# Wine hands QT_ settings on to the tests (scripts/wine-run.sh): none of
# this shell's may scale them.
while read -r name; do unset "$name"; done < <(compgen -e | grep '^QT_' || true)

# The test programs find Qt's DLLs and the compiler's runtime through Wine's
# search path, as under ctest.
run_tests() {
    local test args
    WINEPATH=$(test_wine_path "$build")
    export WINEPATH
    for test in "tst_rectangularcalculator captionsFit" "tst_circularcalculator captionsFit" \
                "tst_shell startupShowsOnlySplash styleIconsAsTheBaseStyleDrawsThem childButtonsDrawnForTheScale"; do
        read -ra args <<<"$test"
        echo "== $test at $dpi dpi"
        QT_QPA_PLATFORM=windows scripts/wine-run.sh "$build/${args[0]}.exe" "${args[@]:1}" ||
            fault "$test at $dpi dpi"
    done
    unset WINEPATH
    wineserver -w
}

# Pixels that differ between two pictures.
differing_pixels() {
    compare -metric AE "$1" "$2" null: 2>&1 || true
}

# A picture of a window, or with a geometry of that part of the screen.
# Usage: picture WINDOW|GEOMETRY FILE
picture() {
    case $1 in
        *x*) import -window root -crop "$1" +repage -strip "$2" ;;
        *) import -window "$1" -strip "$2" ;;
    esac
}

# A picture once it has stopped changing, the same three times over a second:
# under Wine on a busy machine painting lags the events. With SINCE, only
# once it differs from that picture.
# Usage: shoot WINDOW|GEOMETRY FILE [SINCE]
shoot() {
    local what=$1 file=$2 since=${3:-} shot=$work/shot.png last=$work/last.png same=0
    picture "$what" "$last"
    for _ in $(seq 100); do
        sleep 0.3
        picture "$what" "$shot"
        if [ "$(differing_pixels "$shot" "$last")" = 0 ] &&
            { [ -z "$since" ] || [ "$(differing_pixels "$shot" "$since")" != 0 ]; }; then
            same=$((same + 1))
        else
            same=0
        fi
        mv "$shot" "$last"
        [ "$same" -lt 2 ] || { mv "$last" "$file"; return 0; }
    done
    fault "$file: the window did not settle"
}

# A window's place on the screen and its size, as X, Y, WIDTH and HEIGHT.
geometry_of() {
    local info
    info=$(xwininfo -id "$1")
    X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

# Whether the window has the keyboard: keys typed before it has are lost.
has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# Types each dimension into the calculator shown, tabs on to Calculate,
# presses it, and takes its picture once the results are in; a prompt would
# say that a dimension was lost on the way.
# Usage: work_out WINDOW FILE TABS VALUE...
work_out() {
    local window=$1 file=$2 tabs=$3
    shift 3
    wait_until 30 has_focus "$window" || fault "$file: the main window did not take the keyboard"
    for value in "$@"; do
        xdotool type --delay 50 "$value"
        xdotool key Tab
    done
    xdotool key --delay 50 --repeat "$tabs" Tab
    shoot "$window" "$work/before.png"
    xdotool key space
    shoot "$window" "$file" "$work/before.png"
    [ "$(xdotool search --onlyvisible --classname '^mixora\.exe$' | wc -l)" = 1 ] ||
        fault "$file: a window beside the main window, a prompt?"
}

# The installed program as a user starts it; its splash is as large as the
# dpi says, against the one at 96 dpi.
take_screenshots() {
    local name=$out/windows-${dpi}dpi main splash program
    wine "$installer" /S
    wineserver -w
    wine 'C:/Program Files/Mixora/Mixora.exe' >"$work/mixora-$dpi.log" 2>&1 &
    program=$!
    splash=$(wait_for_window --classname '^mixora\.exe$') || { fault "no splash at $dpi dpi"; return; }
    shoot "$splash" "$name-splash.png"
    geometry_of "$splash"
    [ "$dpi" = 96 ] && splash_width=$WIDTH
    local expected=$((splash_width * dpi / 96))
    [ "$WIDTH" -ge $((expected - 1)) ] && [ "$WIDTH" -le $((expected + 1)) ] ||
        fault "the splash is $WIDTH pixels wide at $dpi dpi, not $expected: Wine's dpi did not scale it"

    # Space presses Continue, which has the keyboard (scripts/test-windows.sh).
    wait_until 30 has_focus "$splash" || fault "the splash did not take the keyboard at $dpi dpi"
    xdotool key space
    main=$(wait_for_window --name '^Mixora - \[Slab Calculator\]$') || { fault "no main window at $dpi dpi"; return; }
    work_out "$main" "$name-slab.png" 4 4 10 10
    xdotool key alt+f
    wait_for_window --name '^Mixora - \[Footing Calculator\]$' >/dev/null || fault "Alt+F at $dpi dpi"
    work_out "$main" "$name-footing.png" 4 12 12 20
    xdotool key alt+c
    wait_for_window --name '^Mixora - \[Circular Calculator\]$' >/dev/null || fault "Alt+C at $dpi dpi"
    work_out "$main" "$name-circular.png" 3 12 48

    # The child window's menu, from its icon at the menu bar's start, with
    # the style's title-bar icons; taken from the screen, where it opens.
    geometry_of "$main"
    xdotool mousemove --window "$main" $((10 * dpi / 96)) $((10 * dpi / 96)) click 1
    shoot "${WIDTH}x${HEIGHT}+${X}+${Y}" "$name-window-menu.png" "$name-circular.png"
    xdotool key Escape
    xdotool key alt+F4
    wait_until 30 not_running "$program" || fault "Alt+F4 did not end the program at $dpi dpi"
}

not_running() {
    ! kill -0 "$1" 2>/dev/null
}

mkdir -p "$out"
splash_width=0
start_xvfb "$work" 1600x1200
start_openbox "$work"
for dpi in 96 144 192; do
    echo "== Wine at $dpi dpi"
    # A fresh Windows at each dpi, as its Display settings set it.
    export WINEPREFIX=$work/prefix-$dpi
    start_wine "$dpi"
    [ "$dpi" = 96 ] || run_tests
    take_screenshots
    wineserver -k 2>/dev/null || true
    wineserver -w
done
for png in "$out"/windows-*dpi-*.png; do
    echo "$png: $(identify -format '%wx%h' "$png")"
done
fail_if_faults
echo "== Windows at 144 and 192 dpi passed"
