# End to end: full screen by double-click and back, under the openbox window
# manager (see fullscreen_nowm.sh).
# Usage: bash fullscreen_openbox.sh <path-to-walltest> <artifact-dir>
E2E_WM=openbox exec bash "$(dirname "$0")/fullscreen_nowm.sh" "$@"
