#!/usr/bin/env bash
# Installs what is missing, builds Mixora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scripts/install-deps.sh run
build_tree build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DMIXORA_BENCHMARKS=OFF
exec build/app/mixora
