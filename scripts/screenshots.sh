#!/usr/bin/env bash
# Takes the screenshots that the AppStream file lists, of the real program on
# a headless X server with a window manager, and writes them to
# assets/screenshots/. Run it after a change to a window and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scripts/install-deps.sh screenshots
build_tree build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMIXORA_BENCHMARKS=OFF -- mixora

make_work_dir
start_xvfb "$work"
start_openbox "$work"

out=assets/screenshots
mkdir -p "$out"
LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb build/app/mixora >/dev/null 2>&1 &

splash=$(xdotool search --sync --onlyvisible --class mixora | head -n 1)
sleep 0.5
import -window "$splash" "$out/splash.png"
# Continue, clicked: a window manager need not give the splash the focus.
xdotool mousemove --window "$splash" 398 252 click 1

# Types each dimension, tabs on to Calculate and presses it.
estimate() {
    local name=$1 tabs=$2
    shift 2
    local window
    window=$(xdotool search --sync --onlyvisible --name "Mixora - \\[$name\\]" | head -n 1)
    xdotool windowactivate --sync "$window"
    for value in "$@"; do
        xdotool type "$value"
        xdotool key Tab
    done
    xdotool key --repeat "$tabs" Tab key space
    sleep 0.5
    import -frame -window "$window" "$out/$(echo "${name%% *}" | tr A-Z a-z).png"
}
estimate "Slab Calculator" 4 4 10 10
xdotool key alt+f
estimate "Footing Calculator" 4 12 12 20
xdotool key alt+c
estimate "Circular Calculator" 3 12 48

for png in "$out"/*.png; do
    echo "$png: $(identify -format '%wx%h' "$png")"
done
