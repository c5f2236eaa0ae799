#!/usr/bin/env bash
# Runs an accessibility-bus test on its own display server and D-Bus
# session: a fresh Xvfb on a display it picks itself (with openbox as its
# window manager for "openbox"), or a headless weston.
# Usage: run-atspi-test.sh PROGRAM LOCALE [x11|wayland|openbox] [SCRIPT [ARGUMENTS]]
# (SCRIPT is a file of this folder; atspi_test.py when left out.)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1 locale=$2 server=${3:-x11} script=${4:-atspi_test.py}
shift $(($# < 4 ? $# : 4))
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

if [ "$server" = wayland ]; then
    export XDG_RUNTIME_DIR=$work
    export WAYLAND_DISPLAY=mixora-test
    weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        >"$work/server.log" 2>&1 &
    for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || { cat "$work/server.log"; echo "weston did not start" >&2; exit 1; }
    unset DISPLAY
    export QT_QPA_PLATFORM=wayland
else
    # Xvfb takes a free display itself and writes its number when it is ready.
    exec {displayfd}>"$work/display"
    Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >"$work/server.log" 2>&1 &
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { cat "$work/server.log"; echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n 1 "$work/display")
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR=$work
fi
server_pid=$!
if [ "$server" = openbox ]; then
    openbox --sm-disable >"$work/wm.log" 2>&1 &
    for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
    # A home of its own: Orca and speech-dispatcher keep their settings
    # there; speech goes to ALSA's null device.
    export HOME=$work/home
    mkdir -p "$HOME/.config/speech-dispatcher"
    printf 'AudioOutputMethod "alsa"\nAudioALSADevice "null"\nDefaultModule espeak-ng\nAddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n' \
        >"$HOME/.config/speech-dispatcher/speechd.conf"
fi

if [ "$script" = atspi_test.py ]; then
    set -- "$locale"
fi
dbus-run-session -- /usr/bin/python3 "$here/$script" "$program" "$@" &
test_pid=$!
# A server that dies under the test fails it, rather than leaving the
# program to find some other server.
while kill -0 "$test_pid" 2>/dev/null; do
    if ! kill -0 "$server_pid" 2>/dev/null; then
        cat "$work/server.log"
        echo "the display server died during the test" >&2
        exit 1
    fi
    sleep 0.2
done
wait "$test_pid"
