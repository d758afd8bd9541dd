#!/usr/bin/env bash
# Fails when the program imports a DLL that Windows does not bring itself.
#   check-imports.sh OBJDUMP EXE
set -euo pipefail
objdump=$1 exe=$2
system='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|ole32|msvcrt|winspool\.drv|version|shlwapi)(\.dll)?$'
status=0
imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
[ -n "$imports" ] || { echo "FAIL: no imports found in $exe"; exit 1; }
while read -r dll; do
    if ! printf '%s\n' "$dll" | tr '[:upper:]' '[:lower:]' | grep -Eq "$system"; then
        echo "FAIL: $exe imports $dll, which Windows does not bring"
        status=1
    fi
done <<<"$imports"
[ "$status" -ne 0 ] || echo "imports: $(echo $imports)"
exit "$status"
