#!/usr/bin/env python3
"""Prints the renderer benchmarks as a table: per pattern and frame size the
median time per frame and its ratio to BM_PlainFill of the same size, measured
in the same run. Reads the JSON that Google Benchmark writes (scripts/bench.sh)."""

import json
import statistics
import sys
from collections import defaultdict

LIMIT = 4.0  # a frame may cost at most this many plain fills
PART_LIMIT = 1.5  # a part of a large canvas may cost at most this many windows of its size


def to_ms(value, unit):
    return value * {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[unit]


def medians(benchmarks):
    """Median ms per run name, in the order the benchmarks are defined (a run
    with interleaved repetitions lists them in the order they ran): the
    'median' aggregate when repetitions were asked for, else the median of the
    single runs."""
    benchmarks = sorted(benchmarks, key=lambda b: (b.get("family_index", 0), b.get("per_family_instance_index", 0)))
    aggregated = {}
    runs = defaultdict(list)
    for b in benchmarks:
        name = b.get("run_name", b["name"])
        ms = to_ms(b["real_time"], b.get("time_unit", "ns"))
        if b.get("run_type") == "aggregate":
            if b.get("aggregate_name") == "median":
                aggregated[name] = ms
        else:
            runs[name].append(ms)
    for name, values in runs.items():
        aggregated.setdefault(name, statistics.median(values))
    return aggregated


def split(name):
    """'BM_Ramp64/3840/2160/0/0' -> ('Ramp64', '3840x2160');
    'BM_Ramp64/3840/2160/15360/4320' -> ('Ramp64', '3840x2160 of 15360x4320')."""
    parts = name.split("/")
    pattern = parts[0][3:] if parts[0].startswith("BM_") else parts[0]
    size = "x".join(parts[1:3]) if len(parts) >= 3 else "-"
    if len(parts) >= 5 and parts[3] != "0":
        size += " of " + "x".join(parts[3:5])
    return pattern, size


def main(path):
    with open(path) as f:
        data = json.load(f)
    times = medians(data["benchmarks"])
    baseline = {}
    for name, ms in times.items():
        pattern, size = split(name)
        if pattern == "PlainFill":
            baseline[size] = ms

    rows = []
    for name, ms in times.items():
        pattern, size = split(name)
        base = baseline.get(size)
        ratio = ms / base if base else float("nan")
        rows.append((pattern, size, ms, ratio))

    whole = {(pattern, size): ms for pattern, size, ms, _ in rows}
    width = max([len("pattern")] + [len(r[0]) for r in rows])
    size_width = max(len(r[1]) for r in rows)
    print(f"| {'pattern':<{width}} | {'size':<{size_width}} | median ms | × plain fill | × window |")
    print(f"|{'-' * (width + 2)}|{'-' * (size_width + 2)}|----------:|-------------:|---------:|")
    over = 0
    parts_over = 0
    for pattern, size, ms, ratio in rows:
        mark = " over" if ratio > LIMIT else ""
        over += ratio > LIMIT
        part = ""
        if " of " in size:
            window = whole.get((pattern, size.split(" of ")[0]))
            part_ratio = ms / window if window else float("nan")
            parts_over += part_ratio > PART_LIMIT
            part = f"{part_ratio:8.2f}{' over' if part_ratio > PART_LIMIT else ''}"
        print(f"| {pattern:<{width}} | {size:<{size_width}} | {ms:9.3f} | {ratio:8.2f}{mark:>5} | {part:>8} |")
    print(f"\n{len(rows)} benchmarks, {over} over {LIMIT:g}× the plain fill of their size,"
          f" {parts_over} canvas parts over {PART_LIMIT:g}× a window of their size.")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "build/bench.json")
