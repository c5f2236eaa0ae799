#!/usr/bin/env bash
# Runs the accessibility-bus test on its own X server and D-Bus session.
# Usage: run-atspi-test.sh PROGRAM LOCALE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display#:}" ] && break
    sleep 0.1
done
export DISPLAY=$display
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
dbus-run-session -- /usr/bin/python3 "$here/atspi_test.py" "$1" "$2"
