#!/usr/bin/env bash
# Whole-program limits: a static pattern costs under 1 % of a core, the
# running clock at most one core, and a 4K window with a 4K picture stays
# under 200 MB of resident memory.
set -euo pipefail
measure="$(dirname "$0")/../../scripts/measure.sh"
bash "$measure" idle "$1"
bash "$measure" clock "$1"
MEASURE_SCREENSHOT="${2:-/tmp}/memory-4k.png" bash "$measure" memory "$1"
