#!/usr/bin/env bash
# Whole-program limits: a static pattern costs under 1 % of a core, the
# running clock at most one core, and a 4K window with a 4K picture stays
# under 240 MB of resident memory at its peak. The peak comes as the window
# grows to 4K: the picture, first decoded small for the small window, is
# decoded again at full size in the background while the window paints.
set -euo pipefail
measure="$(dirname "$0")/../../scripts/measure.sh"
bash "$measure" idle "$1"
bash "$measure" clock "$1"
MEASURE_SCREENSHOT="${2:-/tmp}/memory-4k.png" bash "$measure" memory "$1"
