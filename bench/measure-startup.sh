#!/usr/bin/env bash
# Start-up as a person waits for it: Mixora's splash and main window beside
# three baselines, in alternating rounds on an X display of their own with no
# window manager (see bench/startupbench.cpp).
# Installs what it needs and builds a release tree first. Mixora programs of
# other build trees, given after the rounds, run in the same rounds.
# Usage: bench/measure-startup.sh [BUILD_DIR] [ROUNDS] [OTHER_BUILD_DIR...]
#        (default build-release 30)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
rounds=${2:-30}
others=()
for other in "${@:3}"; do others+=("$other/app/mixora"); done

scripts/install-deps.sh bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMIXORA_BENCHMARKS=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target mixora mixora_startupbench mixora_startupbaseline >/dev/null

# Xvfb picks a free display itself and writes its number once ready.
displayfile=$(mktemp)
exec {displayfd}>"$displayfile"
Xvfb -displayfd "$displayfd" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n 1 "$displayfile")
export QT_QPA_PLATFORM=xcb
# No accessibility bus and no session bus: both sides alike.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

"$build/bench/mixora_startupbench" --rounds "$rounds" "$build/bench/mixora_startupbaseline" \
    "$build/app/mixora" "${others[@]}"
