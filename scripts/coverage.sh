#!/usr/bin/env bash
# Builds with coverage counters, runs the test suite and reports line and
# branch coverage of core/, platform/ and windows/ (HTML in
# build-coverage/coverage/index.html).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scripts/install-deps.sh test
install_missing gcovr
build_tree build-coverage -DCMAKE_BUILD_TYPE=Debug -DMIXORA_COVERAGE=ON
find build-coverage -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen ctest --test-dir build-coverage -E 'debian_package|install_desktop_files' >/dev/null

mkdir -p build-coverage/coverage
for part in core platform windows; do
    echo "== $part/"
    gcovr --root . --object-directory build-coverage --filter "$part/" --exclude-unreachable-branches \
          --exclude-throw-branches --print-summary --txt /dev/null | tail -n 3
done
gcovr --root . --object-directory build-coverage --filter core/ --filter platform/ --filter windows/ \
      --exclude-unreachable-branches --exclude-throw-branches \
      --html-details build-coverage/coverage/index.html >/dev/null
echo "report: build-coverage/coverage/index.html"
