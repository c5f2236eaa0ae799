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
source scripts/lib.sh
build=${1:-build-release}
rounds=${2:-30}
others=()
for other in "${@:3}"; do others+=("$other/app/mixora"); done

scripts/install-deps.sh bench
build_tree "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMIXORA_BENCHMARKS=ON \
    -- mixora mixora_startupbench mixora_startupbaseline >/dev/null

make_work_dir
start_xvfb "$work" 1280x800
export QT_QPA_PLATFORM=xcb
# No accessibility bus and no session bus: both sides alike.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

"$build/bench/mixora_startupbench" --rounds "$rounds" "$build/bench/mixora_startupbaseline" \
    "$build/app/mixora" "${others[@]}"
