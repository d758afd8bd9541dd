#!/usr/bin/env bash
# Compiles the help file: copies the help sources named by the project file
# into a work folder, writes the popup texts with CR LF line ends, runs
# chmcmd there and puts the compiled file where the program expects it.
#
#   build-chm.sh CHMCMD SOURCE-DIR WORK-DIR OUTPUT-CHM
#
# Fails when a source is missing, when chmcmd fails or warns (a missing
# file, a link to a page or anchor that does not exist), or when it leaves
# no compiled file behind.
set -euo pipefail

if [ $# -ne 4 ]; then
  echo "usage: $0 CHMCMD SOURCE-DIR WORK-DIR OUTPUT-CHM" >&2
  exit 2
fi
chmcmd=$1
src=$2
work=$3
out=$4
project=Routewright.hhp

fail() { echo "build-chm: $*" >&2; exit 1; }

[ -f "$src/$project" ] || fail "no $project in $src"

# The lines of one section of the project file, without blanks and CRs.
section() {
  awk -v want="[$1]" '
    { sub(/\r$/, ""); sub(/^[ \t]+/, ""); sub(/[ \t]+$/, "") }
    /^\[/ { on = (toupper($0) == toupper(want)); next }
    on && $0 != "" && $0 !~ /^;/ { print }
  ' "$src/$project"
}
option() {
  section OPTIONS | awk -F= -v key="$1" 'tolower($1) == tolower(key) { sub(/^[^=]*=/, ""); print; exit }'
}

compiled=$(option "Compiled file")
[ -n "$compiled" ] || fail "$project names no compiled file"

mapfile -t files < <(section FILES; option "Contents file"; option "Index file")
mapfile -t popups < <(section "TEXT POPUPS")

rm -rf "$work"
mkdir -p "$work"
cp "$src/$project" "$work/"
for f in "${files[@]}"; do
  [ -f "$src/$f" ] || fail "$project names $f, which is not in $src"
  cp "$src/$f" "$work/$f"
done
for f in "${popups[@]}"; do
  [ -f "$work/$f" ] || fail "text popups file $f is not among the files of $project"
  sed -i 's/\r*$/\r/' "$work/$f"
done

rm -f "$out" "$work/$compiled"
log="$work/chmcmd.log"
set +e
(cd "$work" && "$chmcmd" "$project") >"$log" 2>&1
rc=$?
set -e
cat "$log"
[ "$rc" -eq 0 ] || fail "chmcmd failed with exit code $rc"
if grep -qiE '^(warning|error)|does not exist|can.?t find|unhandled exception' "$log"; then
  fail "chmcmd reported a problem (see above)"
fi
[ -s "$work/$compiled" ] || fail "chmcmd wrote no $compiled"
cp "$work/$compiled" "$out"
echo "build-chm: wrote $out"
