#!/usr/bin/env bash
# Installs what is missing, builds Mixora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMIXORA_BENCHMARKS=OFF
cmake --build build --parallel "$(nproc)"
exec build/app/mixora
