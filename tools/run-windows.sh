#!/usr/bin/env bash
# Builds both programs and starts the Windows program, Routewright.exe, under
# Wine. With a desktop ($DISPLAY set) the program runs until you close it;
# without one it runs on a private X display, a screenshot of its window is
# saved, and it is closed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

bash tools/setup.sh
for preset in native win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" >/dev/null
done
echo "Built $root/build/native/routewright"
echo "Built $root/build/win32/Routewright.exe (32-bit) and $root/build/win64/Routewright.exe (64-bit)"

user_display=${DISPLAY:-}
session=$root/build/run-session
harness=$root/tests/gui/wine-session.sh
bash "$harness" start "$session" >/dev/null
trap 'bash "$harness" stop "$session" >/dev/null' EXIT
# shellcheck source=/dev/null
source "$session/env"

if [ -n "${RW_WINE32:-}" ]; then
    wine=$RW_WINE32 build=$root/build/win32
else
    echo "This machine runs no 32-bit programs; starting the 64-bit build."
    wine=$RW_WINE64 build=$root/build/win64
fi

if [ -n "$user_display" ]; then
    DISPLAY=$user_display $wine "$build/Routewright.exe"
    exit 0
fi

$wine "$build/Routewright.exe" >"$session/run.log" 2>&1 &
app=$!
$wine "$build/tests/gui/rwdriver.exe" wait-window
bash "$harness" screenshot "$session" "$root/build/main-window.png"
echo "Routewright.exe is running; its main window: $root/build/main-window.png"
$wine "$build/tests/gui/rwdriver.exe" ctrl e
code=0
wait "$app" || code=$?
echo "Closed with Ctrl+E; exit code $code"
exit "$code"
