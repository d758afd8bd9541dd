#!/usr/bin/env bash
# Installs what is missing, builds the native, 32-bit and 64-bit Windows
# programs, and runs every test: the native unit tests and the GUI tests
# under Wine, all through CTest. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh

for preset in native win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

status=0
for preset in native win64 win32; do
    echo "== tests of the $preset build"
    ctest --preset "$preset" || status=1
done
exit "$status"
