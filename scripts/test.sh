#!/usr/bin/env bash
# Installs what is missing, builds Mixora with its tests and runs them all
# headless.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON
cmake --build build-tests --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-tests --output-on-failure
