#!/usr/bin/env bash
# The main job: sets up a fresh Debian 12 machine, builds the command-line
# program with the worldwide airport data beside it, and converts every
# sample plan (samples/*.txt) into all six plan formats with the settings of
# samples/Routewright.cfg. Each plan goes into its format's folder under
# out/; the program lists every plan it wrote, one path a line.
# The Windows program under Wine: tools/run-windows.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

# The build's own output only matters when it fails.
mkdir -p build
log=build/run-native.log
if ! { cmake --preset native && cmake --build --preset native --target routewright airport-data; } \
    >"$log" 2>&1; then
    cat "$log" >&2
    echo "run: the build failed (its output is above and in $log)" >&2
    exit 1
fi
echo "Built build/native/routewright and its airport data build/native/Fsb_apts.txt"

# The configuration names these folders; a writer does not make folders.
mkdir -p out/msfs out/acs-gps out/squawkbox out/radar-contact out/sfp out/nav

echo "Converting the sample plans with samples/Routewright.cfg:"
echo "  build/native/routewright --config samples/Routewright.cfg samples/*.txt"
echo "Plans written:"
build/native/routewright --config samples/Routewright.cfg samples/*.txt
