#!/usr/bin/env bash
# A one-minute soak run of the real program (make soak runs ten minutes).
set -euo pipefail
mkdir -p "${2:-/tmp}"
SOAK_MEMLOG="${2:-/tmp}/soak-memory.tsv" exec bash "$(dirname "$0")/../../scripts/soak.sh" "$1" 60
