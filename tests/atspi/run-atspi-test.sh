#!/usr/bin/env bash
# Runs an accessibility-bus test on its own display server and D-Bus
# session: a fresh Xvfb on a display it picks itself (with openbox as its
# window manager for "openbox"), or a headless weston.
# Usage: run-atspi-test.sh PROGRAM LOCALE [x11|wayland|openbox] [SCRIPT [ARGUMENTS]]
# (SCRIPT is a file of this folder; atspi_test.py when left out.)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/lib.sh"
program=$1 locale=$2 server=${3:-x11} script=${4:-atspi_test.py}
shift $(($# < 4 ? $# : 4))
make_work_dir

if [ "$server" = wayland ]; then
    export XDG_RUNTIME_DIR=$work
    export WAYLAND_DISPLAY=mixora-test
    weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        >"$work/weston.log" 2>&1 &
    server_pid=$! server_log=$work/weston.log
    wait_until 30 test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
        { cat "$server_log"; echo "weston did not start" >&2; exit 1; }
    unset DISPLAY
    export QT_QPA_PLATFORM=wayland
else
    start_xvfb "$work"
    server_pid=$xvfb_pid server_log=$work/xvfb.log
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR=$work
fi
if [ "$server" = openbox ]; then
    start_openbox "$work"
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
# Orca runs once per user on the whole machine: started with --replace it
# kills any other, such as that of a run in another build tree, which then
# hears nothing more. Such runs wait for each other here.
turn=() wait_for_turn=120
if [[ " $* " == *" --orca "* ]]; then
    turn=(flock --close --timeout "$wait_for_turn" --conflict-exit-code 75 "${TMPDIR:-/tmp}/mixora-orca-$(id -u).lock")
fi
"${turn[@]}" dbus-run-session -- /usr/bin/python3 "$here/$script" "$program" "$@" &
test_pid=$!
# A server that dies under the test fails it, rather than leaving the
# program to find some other server.
while kill -0 "$test_pid" 2>/dev/null; do
    if ! kill -0 "$server_pid" 2>/dev/null; then
        cat "$server_log"
        echo "the display server died during the test" >&2
        exit 1
    fi
    sleep 0.2
done
status=0
wait "$test_pid" || status=$?
[ "$status" -ne 75 ] || echo "another screen-reader run kept Orca for $wait_for_turn s" >&2
exit "$status"
