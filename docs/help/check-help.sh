#!/usr/bin/env bash
# Checks a compiled Routewright.chm:
#  - it holds every file that Routewright.hhp names (pages, stylesheet,
#    contents, index, popup texts);
#  - its Routewright.txt is the popup source of this folder, in the popup
#    format ".topic NUMBER", one paragraph of text, a blank line between
#    entries, and it has one popup for every help topic number that the
#    program's windows hand to the viewer, each exactly once, and no other;
#  - every link of the contents, the index and the pages leads to a page of
#    the file, and to an anchor that the page defines.
#
#   check-help.sh CHMLS CHM-FILE SOURCE-DIR
set -uo pipefail

if [ $# -ne 3 ]; then
  echo "usage: $0 CHMLS CHM-FILE SOURCE-DIR" >&2
  exit 2
fi
chmls=$1
chm=$2
src=$3
project="$src/Routewright.hhp"
errors=0
problem() { echo "check-help: $*" >&2; errors=$((errors + 1)); }

[ -s "$chm" ] || { echo "check-help: no compiled help file $chm" >&2; exit 1; }
[ -f "$project" ] || { echo "check-help: no $project" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# --- The help topic numbers of the program's windows -----------------------
# Main window: 0x80660000 + control id; the status bar and the toolbar by
# their ids.
main_controls=(1030 1111 1019 1110 1010 1011 1013 1014 1015 1023 1021 1016
               1024 1022 1020 1033 1002 1003 1005 1006 1007 1008 1106 1061
               1103 1104 1105 1107)
# Settings pages: top bit, template id in bits 16 to 30, control id.
options_controls=(1049 1050 1051 1052 1060 1058 1065 1066 1053 1054 1097 1098
                  1108 1109 1055 1056 1057 1059 1035 1036 1038 1039 1040 1041)
exports_controls=(1037 1075 1081 1070 1076 1082 1071 1077 1083 1072 1078 1084
                  1073 1079 1085 1074 1080 1086)
expected=()
for id in "${main_controls[@]}"; do expected+=("$((0x80660000 + id)) main window control $id"); done
expected+=("106 status bar" "118 toolbar")
expected+=("$((0xFFFF0408)) route details list")
for id in "${options_controls[@]}"; do expected+=("$(( (1 << 31) | (107 << 16) | id )) Options page control $id"); done
for id in "${exports_controls[@]}"; do expected+=("$(( (1 << 31) | (108 << 16) | id )) Exports page control $id"); done

# --- The files the project names ------------------------------------------
section() {
  awk -v want="[$1]" '
    { sub(/\r$/, ""); sub(/^[ \t]+/, ""); sub(/[ \t]+$/, "") }
    /^\[/ { on = (toupper($0) == toupper(want)); next }
    on && $0 != "" && $0 !~ /^;/ { print }
  ' "$project"
}
option() {
  section OPTIONS | awk -F= -v key="$1" 'tolower($1) == tolower(key) { sub(/^[^=]*=/, ""); print; exit }'
}
mapfile -t files < <(section FILES; option "Contents file"; option "Index file")
popups=$(section "TEXT POPUPS")
[ "$popups" = "Routewright.txt" ] || problem "the project's text popups are '$popups', not Routewright.txt"

# --- 1. The archive's directory --------------------------------------------
if ! "$chmls" -n -p list "$chm" >"$tmp/list.raw" 2>&1; then
  problem "chmls cannot list $chm"
fi
grep '^/' "$tmp/list.raw" | sed 's/[[:space:]]*$//' >"$tmp/list"
[ "${#files[@]}" -gt 0 ] || problem "the project names no files"
for f in "${files[@]}" Routewright.txt; do
  grep -qxF "/$f" "$tmp/list" || problem "$f is not in $chm"
done
# The archived pages are their sources.
"$chmls" extractall "$chm" "$tmp/chm" >/dev/null 2>&1 || problem "chmls cannot extract the files of $chm"
for f in "${files[@]}"; do
  case "$f" in *.html|*.htm|*.css|*.hhc|*.hhk) ;; *) continue ;; esac
  [ -f "$tmp/chm/$f" ] || continue
  cmp -s "$tmp/chm/$f" "$src/$f" || problem "$f in $chm differs from its source"
done

# --- 2. The popup texts -----------------------------------------------------
if [ -s "$tmp/chm/Routewright.txt" ]; then
  cp "$tmp/chm/Routewright.txt" "$tmp/popups.crlf"
else
  problem "no Routewright.txt to be extracted from $chm"
  : >"$tmp/popups.crlf"
fi
grep -q $'\r$' "$tmp/popups.crlf" || problem "Routewright.txt in $chm does not have CR LF line ends"
tr -d '\r' <"$tmp/popups.crlf" >"$tmp/popups"
tr -d '\r' <"$src/Routewright.txt" >"$tmp/popups.src"
cmp -s "$tmp/popups" "$tmp/popups.src" || problem "Routewright.txt in $chm differs from $src/Routewright.txt"

# Format: entries ".topic N" and one line of text, a blank line between
# entries. Prints the topic numbers; reports layout faults on stderr.
awk '
  function fault(msg) { print "check-help: Routewright.txt line " NR ": " msg > "/dev/stderr"; bad = 1 }
  function topic() { split($0, w, " "); print w[2]; state = "text" }
  BEGIN { state = "between" }
  /^\.topic/ && $0 !~ /^\.topic [0-9]+$/ { fault("not \".topic\" and a decimal number: " $0); state = "text"; next }
  state == "between" {
    if ($0 == "") next
    if ($0 ~ /^\.topic /) { topic(); next }
    fault("text outside a popup: " $0); next
  }
  state == "text" {
    if ($0 == "") { fault("popup without text"); state = "between"; next }
    if ($0 ~ /^\.topic /) { fault("popup without text"); topic(); next }
    if ($0 ~ /^[ \t]/ || $0 ~ /[ \t]$/) fault("text with leading or trailing blanks")
    state = "after"; next
  }
  state == "after" {
    if ($0 == "") { state = "between"; next }
    fault("no blank line after a popup text")
    if ($0 ~ /^\.topic /) topic()
    next
  }
  END { if (state == "text") fault("popup without text at the end"); exit bad }
' "$tmp/popups" >"$tmp/topics" || errors=$((errors + 1))

# Each expected number exactly once, and no number that no window uses.
printf '%s\n' "${expected[@]}" >"$tmp/expected"
awk '
  NR == FNR { want[$1] = substr($0, length($1) + 2); next }
  { seen[$1]++ }
  END {
    for (n in want) {
      if (!(n in seen)) { print "check-help: no popup for topic " n " (" want[n] ")" > "/dev/stderr"; bad++ }
      else if (seen[n] > 1) { print "check-help: topic " n " (" want[n] ") has " seen[n] " popups" > "/dev/stderr"; bad++ }
    }
    for (n in seen) if (!(n in want)) { print "check-help: popup for topic " n ", which no window uses" > "/dev/stderr"; bad++ }
    exit (bad > 0)
  }
' "$tmp/expected" "$tmp/topics" || errors=$((errors + 1))

# --- 3. Links ---------------------------------------------------------------
# Every link target: "file#anchor" of the contents and index, and the
# relative hrefs of the pages (links within a page as "page#anchor").
{
  for f in "$(option "Contents file")" "$(option "Index file")"; do
    grep -oiE '<param name="Local" value="[^"]*"' "$src/$f" | sed -E 's/.*value="([^"]*)"/\1/' | sed "s|^|$f |"
  done
  for f in "${files[@]}"; do
    case "$f" in *.html|*.htm) ;; *) continue ;; esac
    grep -oiE 'href="[^"]*"' "$src/$f" | sed -E 's/^href="([^"]*)"/\1/' | sed -E "s|^#|$f#|" | sed "s|^|$f |"
  done
} >"$tmp/links"
[ -s "$tmp/links" ] || problem "found no links at all"
# The anchors each page defines, as "page anchor".
for f in "${files[@]}"; do
  case "$f" in *.html|*.htm) ;; *) continue ;; esac
  grep -oiE '(name|id)="[^"]*"' "$src/$f" | sed -E 's/^[^"]*"([^"]*)"/\1/' | sed "s|^|$f |"
done >"$tmp/anchors"
sed 's|^/||' "$tmp/list" >"$tmp/archived"
awk '
  FILENAME == ARGV[1] { archived[$0] = 1; next }
  FILENAME == ARGV[2] { anchor[$1 " " $2] = 1; next }
  {
    from = $1; target = $2
    if (target ~ /^(https?|mailto):/) next
    page = target; name = ""
    if (index(target, "#")) { page = substr(target, 1, index(target, "#") - 1); name = substr(target, index(target, "#") + 1) }
    if (!(page in archived)) { print "check-help: " from " links to " target ", but " page " is not in the help file" > "/dev/stderr"; bad++; next }
    if (name != "" && !((page " " name) in anchor)) { print "check-help: " from " links to " target ", but " page " has no anchor " name > "/dev/stderr"; bad++ }
  }
  END { exit (bad > 0) }
' "$tmp/archived" "$tmp/anchors" "$tmp/links" || errors=$((errors + 1))

if [ "$errors" -ne 0 ]; then
  echo "check-help: $errors problem(s) in $chm" >&2
  exit 1
fi
echo "check-help: $chm holds ${#files[@]} files of the project and $(wc -l <"$tmp/topics") popups, one for every help topic; all links resolve"
