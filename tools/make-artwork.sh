#!/usr/bin/env bash
# Draws Routewright's icons, menu bitmaps and image strips with ImageMagick 6
# primitives only (no fonts), pixel-exact and byte-for-byte reproducible.
#
#   tools/make-artwork.sh OUTDIR
#
# MVG coordinates are pixel centres; rectangles include both corners.
set -euo pipefail
export PATH="/usr/bin:/bin:$PATH"   # the real ImageMagick, not a wrapper
export MAGICK_THREAD_LIMIT=1         # tiny pictures: threads only cost time

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
OUT=$1
mkdir -p "$OUT"
TMP=$(mktemp -d "$OUT/.artwork.XXXXXX")
trap 'rm -rf "$TMP"' EXIT

# The classic 16-colour VGA palette; the pictures keep to it.
K='#000000' MR='#800000' GR='#008000' OL='#808000'
NV='#000080' PU='#800080' TE='#008080' SV='#C0C0C0'
GY='#808080' RD='#FF0000' LM='#00FF00' YE='#FFFF00'
BL='#0000FF' FU='#FF00FF' AQ='#00FFFF' WH='#FFFFFF'
VGA=("$K" "$MR" "$GR" "$OL" "$NV" "$PU" "$TE" "$SV" "$GY" "$RD" "$LM" "$YE" "$BL" "$FU" "$AQ" "$WH")

MENU_BG=$FU      # menu bitmaps: LR_LOADTRANSPARENT keys on the top-left pixel
TOOL_BG=$SV      # toolbar: button face, mapped by the toolbar
TREE_BG=$WH      # tree image list: window colour

# Fixed PNG output: no dates, no metadata.
PNGOPT=(-strip -define 'png:exclude-chunks=date,time')

# ---------------------------------------------------------------- MVG helpers
# box X0 Y0 X1 Y1 FILL            filled rectangle, no outline
box()   { echo "stroke none fill '$5' rectangle $1,$2 $3,$4"; }
# frame X0 Y0 X1 Y1 FILL EDGE     rectangle with a one-pixel outline
frame() { echo "stroke '$6' stroke-width 1 fill '$5' rectangle $1,$2 $3,$4"; }
# line EDGE X0 Y0 X1 Y1
line()  { echo "stroke '$1' stroke-width 1 fill none line $2,$3 $4,$5"; }
# pline EDGE POINTS...            open polyline
pline() { local s=$1; shift; echo "stroke '$s' stroke-width 1 fill none polyline $*"; }
# wide WIDTH EDGE POINTS...       thick open polyline
wide()  { local w=$1 s=$2; shift 2; echo "stroke '$s' stroke-width $w fill none polyline $*"; }
# poly FILL EDGE POINTS...        closed polygon; EDGE may be none
poly()  { local f=$1 s=$2; shift 2; echo "stroke '$s' stroke-width 1 fill '$f' polygon $*"; }
# disc CX CY R FILL EDGE          circle; centres may be half pixels
disc()  { echo "stroke '$5' stroke-width 1 fill '$4' ellipse $1,$2 $3,$3 0,360"; }
# dot X Y COLOUR                  one pixel
dot()   { echo "stroke none fill '$3' point $1,$2"; }

# ------------------------------------------------------- shared little shapes
# page X0 Y0 X1 Y1 EAR: white sheet with a folded corner of EAR pixels
page() {
  local x0=$1 y0=$2 x1=$3 y1=$4 e=$5
  poly "$WH" "$K" "$x0,$y0 $((x1 - e)),$y0 $x1,$((y0 + e)) $x1,$y1 $x0,$y1"
  pline "$K" "$((x1 - e)),$y0 $((x1 - e)),$((y0 + e)) $x1,$((y0 + e))"
}
# text_lines X0 X1 Y STEP COUNT COLOUR: the writing on a page
text_lines() {
  local i y=$3
  for ((i = 0; i < $5; i++)); do line "$6" "$1" "$y" "$2" "$y"; y=$((y + $4)); done
}
# diskette X Y SIZE BODY SHUTTER: square disk with label and metal shutter
diskette() {
  local x=$1 y=$2 s=$3 b=$4 x1 y1 lh sh
  x1=$((x + s - 1)); y1=$((y + s - 1))
  lh=$(( (s * 4 + 5) / 10 )); sh=$(( (s * 3 + 5) / 10 ))
  poly "$b" "$K" "$x,$y $((x1 - 1)),$y $x1,$((y + 1)) $x1,$y1 $x,$y1"
  frame $((x + 2)) "$y" $((x1 - 2)) $((y + lh)) "$WH" "$K"
  frame $((x + 3)) $((y1 - sh)) $((x1 - 3)) "$y1" "$5" "$K"
  if [ "$s" -lt 10 ]; then   # too small for a framed shutter
    box $((x + 3)) $((y1 - sh)) $((x1 - 3)) "$y1" "$b"
    box $((x + 3)) $((y1 - 2)) $((x1 - 3)) $((y1 - 1)) "$5"
  elif [ "$s" -ge 12 ]; then
    box $((x1 - 5)) $((y1 - sh + 1)) $((x1 - 4)) $((y1 - 1)) "$b"
  fi
}

# ------------------------------------------------------ 16x16 toolbar images
# Toolbar pictures avoid silver: it is the button face the toolbar remaps.
t16_new()    { page 3 1 12 14 3; }
t16_open()   {
  poly "$OL" "$K" "1,3 2,2 5,2 6,3 11,3 11,13 1,13"
  poly "$YE" "$K" "1,13 4,7 15,7 12,13"
}
t16_disk()   { diskette 1 1 14 "$NV" "$WH"; }
t16_disks()  { diskette 0 0 11 "$NV" "$WH"; diskette 5 5 11 "$NV" "$WH"; }
t16_cut()    {
  poly "$GY" "$K" "4,0 5,0 10,9 8,9"
  poly "$GY" "$K" "11,0 10,0 5,9 7,9"
  dot 7.5 5 "$K"
  disc 4.5 12 2.5 "$TOOL_BG" "$K"
  disc 10.5 12 2.5 "$TOOL_BG" "$K"
}
t16_copy()   {
  page 1 1 9 11 3; text_lines 3 7 6 2 3 "$NV"
  page 6 4 14 15 3; text_lines 8 12 9 2 3 "$NV"
}
t16_paste()  {
  frame 1 2 11 14 "$OL" "$K"
  frame 4 1 8 3 "$GY" "$K"
  page 6 6 14 15 2; text_lines 8 12 10 2 3 "$NV"
}
t16_print()  {
  frame 4 1 11 6 "$WH" "$K"
  poly "$WH" "$K" "1,6 14,6 14,12 1,12"
  box 2 10 13 11 "$GY"
  dot 12 8 "$LM"
  frame 3 12 12 14 "$WH" "$K"
}
t16_find()   {
  page 1 0 10 14 3; text_lines 3 6 5 2 4 "$NV"
  wide 2 "$K" "12,11 15,14"; disc 9 8 3.5 "$AQ" "$K"
}
# qmark X Y COLOUR: bold question mark, 7x11
qmark() {
  local x=$1 y=$2 c=$3
  box $((x + 2)) "$y" $((x + 5)) $((y + 1)) "$c"
  box $((x + 1)) $((y + 1)) $((x + 2)) $((y + 3)) "$c"
  box $((x + 5)) $((y + 1)) $((x + 6)) $((y + 4)) "$c"
  box $((x + 4)) $((y + 4)) $((x + 5)) $((y + 5)) "$c"
  box $((x + 3)) $((y + 5)) $((x + 4)) $((y + 7)) "$c"
  box $((x + 3)) $((y + 9)) $((x + 4)) $((y + 10)) "$c"
}
t16_question() { qmark 4 2 "$BL"; }
# arrow X Y: mouse pointer, 8x13
arrow() {
  local x=$1 y=$2
  poly "$WH" "$K" "$x,$y $x,$((y + 11)) $((x + 3)),$((y + 8)) $((x + 5)),$((y + 12)) $((x + 7)),$((y + 11)) $((x + 5)),$((y + 7)) $((x + 8)),$((y + 7))"
}
# small_q X Y COLOUR: thin question mark, 5x8
small_q() {
  local x=$1 y=$2 c=$3
  line "$c" $((x + 1)) "$y" $((x + 3)) "$y"
  dot "$x" $((y + 1)) "$c"
  line "$c" $((x + 4)) $((y + 1)) $((x + 4)) $((y + 2))
  dot $((x + 3)) $((y + 3)) "$c"
  line "$c" $((x + 2)) $((y + 4)) $((x + 2)) $((y + 5))
  dot $((x + 2)) $((y + 7)) "$c"
}
t16_whatsthis() { arrow 1 1; small_q 10 2 "$K"; }
# book X0 Y0 X1 Y1: closed book, spine on the left, pages showing
book() {
  local x0=$1 y0=$2 x1=$3 y1=$4
  frame $((x0 + 1)) $((y0 + 1)) "$x1" "$y1" "$WH" "$K"
  frame "$x0" "$y0" $((x1 - 1)) $((y1 - 1)) "$PU" "$K"
  box $((x0 + 1)) $((y0 + 1)) $((x0 + 2)) $((y1 - 2)) "$NV"
  line "$K" $((x0 + 3)) $((y0 + 1)) $((x0 + 3)) $((y1 - 2))
}
t16_book()   { book 2 1 13 14; frame 7 4 10 5 "$YE" "$K"; }

# --------------------------------------------------------- 13x13 menu images
# Menu pictures never use the key colour (magenta) and leave the top-left
# pixel to it.
m13_open()   {
  poly "$OL" "$K" "0,2 1,1 4,1 5,2 9,2 9,11 0,11"
  poly "$YE" "$K" "0,11 3,6 12,6 9,11"
}
m13_saveas() { diskette 1 1 12 "$NV" "$SV"; }
m13_save()   { diskette 1 0 9 "$NV" "$SV"; diskette 4 4 9 "$NV" "$SV"; }
m13_build()  {
  page 1 0 11 12 3
  box 3 4 7 5 "$NV"
  pline "$BL" "3,7 9,7"; pline "$BL" "3,9 9,9"; pline "$BL" "3,11 9,11"
  pline "$BL" "5,6 5,11"; pline "$BL" "7,6 7,11"
  box 8 10 9 10 "$RD"   # the cell being filled in
}
m13_settings() {
  # gear: teeth and hub in black, then the same shape one pixel smaller in grey
  box 5 0 7 12 "$K"; box 0 5 12 7 "$K"
  poly "$K" "$K" "1,2 2,1 11,10 10,11"; poly "$K" "$K" "10,1 11,2 2,11 1,10"
  disc 6 6 4.5 "$K" none
  box 6 1 6 11 "$GY"; box 1 6 11 6 "$GY"
  dot 2 2 "$GY"; dot 10 2 "$GY"; dot 2 10 "$GY"; dot 10 10 "$GY"
  disc 6 6 3.5 "$GY" none
  disc 6 6 1.5 "$WH" "$K"
}
m13_print()  {
  frame 3 0 9 5 "$WH" "$K"
  frame 0 5 12 10 "$SV" "$K"
  line "$WH" 1 6 11 6
  line "$GY" 1 9 11 9
  dot 10 7 "$LM"
  frame 2 10 10 12 "$WH" "$K"
}
m13_about()  {
  disc 6 6 6 "$BL" "$NV"
  box 5 2 7 3 "$WH"
  box 5 5 7 10 "$WH"; box 4 5 4 5 "$WH"; box 4 10 8 10 "$WH"
}
m13_whatsthis() { arrow 1 0; small_q 8 2 "$BL"; }
m13_help()   { book 1 0 12 12; frame 6 3 9 4 "$YE" "$K"; }
m13_helponhelp() {
  book 1 0 12 12
  line "$YE" 6 2 8 2; dot 5 3 "$YE"; dot 9 3 "$YE"; dot 9 4 "$YE"
  dot 8 5 "$YE"; line "$YE" 7 6 7 7; dot 7 9 "$YE"
}

# ------------------------------------------------------ 32x32 / 16x16 icons
i32_app() {
  disc 15 15 13 "$BL" "$K"
  echo "stroke '$AQ' stroke-width 1 fill none ellipse 15,15 6,12 0,360"
  line "$AQ" 15 3 15 27; line "$AQ" 3 15 27 15
  line "$AQ" 5 8 25 8; line "$AQ" 5 22 25 22
  wide 4 "$K" "5,25 15,14 27,7"; wide 2 "$YE" "5,25 15,14 27,7"
  disc 5 25 3 "$WH" "$K"
  poly "$YE" "$K" "15,10 19,17 11,17"
  disc 27 7 3 "$RD" "$K"
}
i16_app() {
  disc 7 7 6.5 "$BL" "$K"
  line "$AQ" 7 1 7 13; line "$AQ" 1 7 13 7
  line "$AQ" 3 4 11 4; line "$AQ" 3 10 11 10
  wide 3 "$K" "2,13 13,2"; line "$YE" 2 13 13 2
  frame 0 12 3 15 "$WH" "$K"
  frame 12 0 15 3 "$RD" "$K"
}
i32_open() {
  poly "$OL" "$K" "2,7 4,5 11,5 13,7 25,7 25,28 2,28"
  frame 6 10 21 24 "$WH" "$K"
  poly "$YE" "$K" "2,28 8,15 31,15 25,28"
  line "$WH" 9 16 29 16
}
i16_open() { t16_open; }
# pencil for "save as", written in the bottom right corner
pencil32() {
  poly "$YE" "$K" "27,17 30,20 22,28 19,25"
  poly "$RD" "$K" "27,17 30,20 31,19 28,16"
  poly "$WH" "$K" "19,25 22,28 16,31"
  poly "$K" "$K" "17,29 18,30 16,31"
}
i32_saveas() { diskette 1 1 26 "$BL" "$SV"; pencil32; }
i16_saveas() {
  diskette 0 0 13 "$BL" "$SV"
  poly "$YE" "$K" "13,8 15,10 10,15 8,13"
  poly "$K" "$K" "8,13 10,15 7,16"
}
i32_details() {
  page 3 1 22 30 5; text_lines 6 17 8 3 7 "$NV"
  wide 4 "$K" "22,22 29,29"
  disc 18 17 7 "$AQ" "$K"; disc 18 17 6 none "$K"
  line "$WH" 15 13 17 12
}
i16_details() { t16_find; }
i32_button() { poly "$LM" "$GR" "3,16 8,11 13,16 25,4 30,9 13,27"; pline "$K" "30,9 13,27 3,16"; }
i16_button() { poly "$LM" "$GR" "1,8 3,6 6,9 12,3 14,5 6,13"; pline "$K" "14,5 6,13 1,8"; }
# airport X Y R D W: ringed disc, runway of half-length D and width W across it
airport() {
  local x=$1 y=$2 r=$3 d=$4 w=$5
  disc "$x" "$y" "$r" "$BL" "$K"
  wide "$w" "$WH" "$((x - d)),$((y - d)) $((x + d)),$((y + d))"
}
i32_leg() { wide 4 "$FU" "6,25 25,6"; airport 6 25 5.5 3 2; airport 25 6 5.5 3 2; }
i16_leg() { wide 2 "$FU" "3,12 12,3"; airport 3 12 3 2 1; airport 12 3 3 2 1; }
# checkbox X Y SIZE TICK
checkbox() {
  local x=$1 y=$2 s=$3
  frame "$x" "$y" $((x + s - 1)) $((y + s - 1)) "$WH" "$K"
  if [ "$4" = yes ] && [ "$s" -ge 5 ]; then
    pline "$K" "$((x + 1)),$((y + 2)) $((x + 2)),$((y + 3)) $((x + s - 2)),$((y + 1))"
    pline "$K" "$((x + 1)),$((y + 3)) $((x + 2)),$((y + 4)) $((x + s - 2)),$((y + 2))"
  elif [ "$4" = yes ]; then
    dot $((x + 1)) $((y + 1)) "$K"
  fi
}
i32_page() {
  page 4 1 27 30 6
  checkbox 7 8 6 yes; box 15 10 23 11 "$NV"
  checkbox 7 15 6 no; box 15 17 23 18 "$NV"
  checkbox 7 22 6 yes; box 15 24 21 25 "$NV"
}
i16_page() {
  page 2 0 13 15 3
  checkbox 4 3 3 yes; line "$NV" 8 4 11 4
  checkbox 4 7 3 no; line "$NV" 8 8 11 8
  checkbox 4 11 3 yes; line "$NV" 8 12 10 12
}

# ---------------------------------------------------- 12x12 tree images
# White is the list's key colour, so the symbols never use it; together they
# use the other fifteen VGA colours, which keeps the palette exactly VGA.
tr_blank()   { :; }
tr_wpt()     { disc 5.5 5.5 2.5 "$K" "$K"; }
tr_vor()     { poly none "$BL" "3,1 8,1 11,5 11,6 8,10 3,10 0,6 0,5"; box 5 5 6 6 "$BL"; }
tr_ndb()     {
  local p
  for p in 4,0 7,0 0,4 0,7 11,4 11,7 4,11 7,11 2,2 9,2 2,9 9,9; do dot "${p%,*}" "${p#*,}" "$GR"; done
  disc 5.5 5.5 3 none "$GR"; box 5 5 6 6 "$GR"
}
tr_airport() {
  echo "stroke '$K' stroke-width 2 fill none ellipse 5.5,5.5 4,4 0,360"
  box 5 0 6 11 "$K"
}
tr_int()     { poly "$YE" "$K" "5,1 6,1 11,10 0,10"; }
tr_user()    { poly "$FU" "$PU" "5,1 6,1 10,5 10,6 6,10 5,10 1,6 1,5"; }
tr_city()    { frame 3 3 8 8 "$RD" "$MR"; }
tr_mountain(){ poly "$OL" "$K" "0,10 4,2 6,6 8,4 11,10"; poly "$SV" none "4,3 5,5 3,5"; }
tr_mast()    {
  line "$GY" 5 2 2 11; line "$GY" 6 2 9 11
  line "$GY" 4 5 7 5; line "$GY" 3 8 8 8
  box 5 0 6 1 "$RD"
}
tr_lake()    { echo "stroke '$TE' stroke-width 1 fill '$AQ' ellipse 5.5,6 5,3.5 0,360"; }
tr_heli()    { disc 5.5 5.5 5 "$LM" "$GR"; box 3 3 4 8 "$K"; box 7 3 8 8 "$K"; box 5 5 6 6 "$K"; }
tr_fix()     { poly "$NV" "$NV" "5,2 6,2 9,9 2,9"; }
tr_flag()    { line "$K" 2 1 2 11; poly "$RD" "$MR" "3,1 9,3 3,5"; }
tr_hold()    { echo "stroke '$NV' stroke-width 1 fill none roundrectangle 1,3 10,8 3,3"; }
tr_north()   { poly "$K" "$K" "5,0 6,0 10,11 6,8 5,8 1,11"; }

# ---------------------------------------------------------------- writing
# tiles W H BG FUNC...: convert arguments drawing each FUNC on its own canvas
tiles() {
  local w=$1 h=$2 bg=$3 f
  shift 3
  for f in "$@"; do printf '%s\0' '(' -size "${w}x${h}" "xc:$bg" -draw "$($f)" ')'; done
}
# icon NAME: 32x32 and 16x16 images, transparent around the shape
icon() {
  local args=()
  mapfile -d '' args < <(tiles 32 32 none "i32_$1"; tiles 16 16 none "i16_$1")
  convert +antialias "${args[@]}" +repage -strip "$OUT/$1.ico"
}
# palette_bmp NAME BITS W H BG FUNC...: the pictures side by side as a BMP3
# over the VGA palette; the drawing is kept to compare against. The writer
# picks the smallest depth for the colours used, but an RLE file always has
# 8 bits and 256 entries, and an uncompressed copy read back from it keeps
# them. (Remapping first also spares -type Palette a slow quantisation.)
palette_bmp() {
  local name=$1 bits=$2 args=() dest
  shift 2
  mapfile -d '' args < <(tiles "$@")
  if [ "$bits" = 8 ]; then dest=(-compress RLE "BMP3:$TMP/$name.rle.bmp"); else dest=("BMP3:$OUT/$name.bmp"); fi
  convert +antialias "${args[@]}" +append +repage -write "PNG32:$TMP/$name.png" \
    +dither -remap "$TMP/vga.png" -type Palette "${dest[@]}"
  if [ "$bits" = 8 ]; then
    convert "$TMP/$name.rle.bmp" -compress None -type Palette "BMP3:$OUT/$name.bmp"
  fi
}

icons=(app open saveas details button leg page)
menus=(open saveas save build settings print about whatsthis help helponhelp)
toolbar=(t16_new t16_open t16_disk t16_disks t16_cut t16_copy t16_paste t16_print
         t16_find t16_question t16_whatsthis t16_book)
tree=(tr_blank tr_wpt tr_vor tr_ndb tr_airport tr_int tr_user tr_city tr_mountain
      tr_mast tr_lake tr_heli tr_fix tr_flag tr_hold tr_north)
while [ ${#tree[@]} -lt 24 ]; do tree+=(tr_blank); done

vga=()
for c in "${VGA[@]}"; do vga+=("xc:$c"); done
convert -size 1x1 "${vga[@]}" +append "${PNGOPT[@]}" "PNG24:$TMP/vga.png"

for n in "${icons[@]}"; do icon "$n"; done
for n in "${menus[@]}"; do palette_bmp "menu_$n" 8 13 13 "$MENU_BG" "m13_$n"; done
palette_bmp toolbar 8 16 16 "$TOOL_BG" "${toolbar[@]}"
palette_bmp tree 4 12 12 "$TREE_BG" "${tree[@]}"

# ---------------------------------------------------------------- checking
fail() { echo "make-artwork: $*" >&2; exit 1; }

# check_bmp NAME W H BITS KEY: size, depth and key colour; pixels as drawn
# (so no colour of the drawing fell outside the VGA palette)
check_bmp() {
  local f=$OUT/$1.bmp got
  [ -s "$f" ] || fail "$1.bmp is missing"
  got=$(identify -format '%m %w %h %z #%[hex:p{0,0}]' "$f") || fail "$1.bmp is unreadable"
  [ "$got" = "BMP3 $2 $3 $4 $5" ] || fail "$1.bmp is '$got', wanted 'BMP3 $2 $3 $4 $5'"
  cmp -s <(convert "$TMP/$1.png" -depth 8 rgb:-) <(convert "$f" -depth 8 rgb:-) ||
    fail "$1.bmp differs from its drawing (a colour outside the VGA palette?)"
}
# check_ico NAME: a 32x32 and a 16x16 image, both with alpha
check_ico() {
  local f=$OUT/$1.ico got
  [ -s "$f" ] || fail "$1.ico is missing"
  got=$(identify -format '%m %wx%h %A,' "$f") || fail "$1.ico is unreadable"
  [ "$got" = "ICO 32x32 True,ICO 16x16 True," ] || fail "$1.ico holds '$got'"
}

for n in "${icons[@]}"; do check_ico "$n"; done
for n in "${menus[@]}"; do check_bmp "menu_$n" 13 13 8 "$MENU_BG"; done
check_bmp toolbar 192 16 8 "$TOOL_BG"
check_bmp tree 288 12 4 "$TREE_BG"
[ "$(identify -format '%[colors]' "$OUT/tree.bmp")" = 16 ] || fail "tree.bmp does not use all 16 VGA colours"

# ------------------------------------------------------------ contact sheet
# Rows, each picture enlarged four times: icons at 32, icons at 16, menu
# bitmaps, toolbar, tree; then one row with all of them at real size.
# row OUT ZOOM FILE...: the pictures side by side on a light grey band
row() {
  local out=$1 zoom=$2
  shift 2
  convert "$@" -background "$SV" -alpha remove -filter point -resize "$zoom" \
    -bordercolor "$SV" -border 6 +append +repage "PNG32:$out"
}
ico32=() ico16=() bmps=()
for n in "${icons[@]}"; do ico32+=("$OUT/$n.ico[0]"); ico16+=("$OUT/$n.ico[1]"); done
for n in "${menus[@]}"; do bmps+=("$OUT/menu_$n.bmp"); done
row "$TMP/row1.png" 400% "${ico32[@]}"
row "$TMP/row2.png" 400% "${ico16[@]}"
row "$TMP/row3.png" 400% "${bmps[@]}"
row "$TMP/row4.png" 400% "$OUT/toolbar.bmp"
row "$TMP/row5.png" 400% "$OUT/tree.bmp"
row "$TMP/row6.png" 100% "${ico32[@]}" "${ico16[@]}" "${bmps[@]}" "$OUT/toolbar.bmp" "$OUT/tree.bmp"
convert "$TMP"/row[1-6].png -background "$GY" -gravity NorthWest -splice 0x4 -append \
  -gravity NorthWest -bordercolor "$GY" -border 4 +repage "${PNGOPT[@]}" "$OUT/contact-sheet.png"
[ -s "$OUT/contact-sheet.png" ] || fail "contact-sheet.png is missing"

echo "make-artwork: wrote ${#icons[@]} icons, ${#menus[@]} menu bitmaps, toolbar.bmp, tree.bmp and contact-sheet.png"
