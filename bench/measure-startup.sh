#!/usr/bin/env bash
# Measures the start-up probe against the baseline probe in one run: median
# wall time over many starts (hyperfine, in alternating rounds so that a
# drift of the machine weighs on both alike) and median peak memory (GNU time).
# Usage: bench/measure-startup.sh [BUILD_DIR]   (default build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
rounds=${ROUNDS:-5}
runs=${RUNS:-20}

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display itself and writes its number once ready.
    displayfile=$(mktemp)
    exec {displayfd}>"$displayfile"
    Xvfb -displayfd "$displayfd" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
    for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
    [ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n 1 "$displayfile")
fi
export QT_QPA_PLATFORM=xcb

baseline=$build/bench/mixora_baseline_probe
startup=$build/bench/mixora_startup_probe
work=$(mktemp -d)
for round in $(seq "$rounds"); do
    hyperfine -N --warmup 5 --runs "$runs" --export-json "$work/$round.json" "$baseline" "$startup" >/dev/null 2>&1
done

peak() {
    for _ in $(seq 21); do
        /usr/bin/time -f "%M" "$1" 2>&1 >/dev/null | tail -n 1
    done | sort -n | sed -n 11p
}
base_kb=$(peak "$baseline")
start_kb=$(peak "$startup")

python3 - "$work" "$base_kb" "$start_kb" <<'PY'
import glob, json, statistics, sys
times = [[], []]
for path in glob.glob(sys.argv[1] + "/*.json"):
    for i, result in enumerate(json.load(open(path))["results"]):
        times[i] += result["times"]
base, start = (statistics.median(t) * 1000 for t in times)
base_kb, start_kb = int(sys.argv[2]), int(sys.argv[3])
print(f"start-up (median of {len(times[0])}): baseline {base:.1f} ms, Mixora {start:.1f} ms, ratio {start / base:.3f} (target 1.15)")
print(f"peak memory (median of 21): baseline {base_kb} KB, Mixora {start_kb} KB, ratio {start_kb / base_kb:.3f} (target 1.15)")
PY
rm -rf "$work"
