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
