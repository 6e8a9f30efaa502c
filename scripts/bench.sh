#!/usr/bin/env bash
# Runs the renderer benchmarks and prints, per pattern and size, the median
# time per frame and its ratio to a plain solid fill of the same size.
# Repetitions of all benchmarks run interleaved in random order, so a stretch
# of a busy machine slows every pattern alike instead of a few.
set -euo pipefail
build=${1:-build}
out="$build/bench.json"
QT_QPA_PLATFORM=offscreen "$build/bench/walltest_bench" \
    --benchmark_repetitions=${BENCH_REPETITIONS:-5} \
    --benchmark_report_aggregates_only=true \
    --benchmark_enable_random_interleaving=true \
    --benchmark_out="$out" --benchmark_out_format=json "${@:2}" >/dev/null
python3 scripts/bench_table.py "$out"

# The export of one 3840 x 2160 frame, from process start to the file
# written, as a script or a media server's job would run it.
binary="$build/walltest"
if [ -x "$binary" ]; then
    out_dir=$(mktemp -d)
    times=()
    for _ in 1 2 3 4 5; do
        start=$(date +%s%N)
        "$binary" --export "$out_dir/wall.png" --pattern 'ramp:period=64' --size 3840x2160 2>/dev/null
        times+=($(( ($(date +%s%N) - start) / 1000000 )))
    done
    rm -rf "$out_dir"
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 3p)
    echo
    echo "Export of one 3840x2160 PNG (ramp:period=64), process start to file written: median ${median} ms of 5 runs"
fi
