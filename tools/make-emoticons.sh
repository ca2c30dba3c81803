#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the 49 emoticon pictures of src/emo/ (GIF files named as the emoticon
# table names them) with ImageMagick, and can lay them out on a contact sheet.
#
#   bash tools/make-emoticons.sh                 regenerate every picture in src/emo/
#   bash tools/make-emoticons.sh --sheet FILE    also write a contact sheet (PNG)
#   bash tools/make-emoticons.sh --only NAME...  regenerate only these pictures
#
# Every picture is drawn as vector art at eight (or, for the large ones, four)
# times its size, shrunk with an area filter and lightly sharpened, so small
# faces keep crisp features; the edge is then cut to one-bit transparency, as
# GIF allows.
# The output depends only on the script and Debian's ImageMagick: running it
# again gives the same bytes.
set -euo pipefail
cd "$(dirname "$0")/.."

# --- ImageMagick ----------------------------------------------------------
# Debian's convert lives in /usr/bin; another one earlier on the PATH is not
# necessarily the real thing.
if [ ! -x /usr/bin/convert ] || [ ! -x /usr/bin/montage ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends imagemagick
fi
IM=/usr/bin/convert
MONTAGE=/usr/bin/montage

sheet=""
only=()
while (($#)); do
  case "$1" in
    --sheet) sheet="$2"; shift 2 ;;
    --only) shift; only=("$@"); break ;;
    *) echo "usage: $0 [--sheet FILE] [--only NAME...]" >&2; exit 2 ;;
  esac
done

out=src/emo
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# --- Palette ---------------------------------------------------------------
INK="'#3a2300'"          # outlines and features
YEL="'#ffc928'"          # face
YEL_HI="'#ffe571'"       # face, lit side
YEL_SH="'#f09a0c'"       # face, shaded rim
MOUTH="'#6b1a10'"        # inside of an open mouth
TONGUE="'#f0616c'"
WHITE="'#ffffff'"
TEAR="'#4fb8f6'"
TEAR_HI="'#c8ecff'"
BLUSH="'rgba(255,70,60,0.55)'"
HEART="'#e8202e'"
SKIN="'#ffe27a'"         # hands, a shade apart from the face
GLINT="'rgba(255,255,255,0.75)'"

# --- Drawing helpers ---------------------------------------------------------
# A picture is built as one ImageMagick draw script in $M. Parts of a face are
# drawn in "face units": the face is a circle of radius 10 around 0,0, y down.
M=""
lw=1          # line width in the current units
lws=()        # saved line widths of the enclosing contexts

m() { M+="$*"$'\n'; }
calc() { awk "BEGIN { printf \"%.4f\", $* }"; }
w() { calc "$lw*$1"; }

# begin W H: a new picture of W x H pixels; coordinates are pixels. Round
# joins also keep ImageMagick 6 from closing open strokes with a chord.
begin() {
  W=$1 H=$2
  if ((W > 40 || H > 40)); then S=4; else S=8; fi
  M=""
  lws=()
  lw=1
  m "push graphic-context scale $S,$S stroke-linecap round stroke-linejoin round"
}

# at X Y R [PX]: switch to face units for a face of radius R pixels centred at
# X,Y, with lines PX pixels wide (by default in proportion to the face).
at() {
  local x=$1 y=$2 r=$3 px=${4:-}
  [ -n "$px" ] || px=$(calc "($r*0.14 < 1.2) ? 1.2 : (($r*0.14 > 2.6) ? 2.6 : $r*0.14)")
  lws+=("$lw")
  fr=$r
  lw=$(calc "$px*10/$r")
  m "push graphic-context translate $x,$y scale $(calc "$r/10"),$(calc "$r/10")"
}
# tilt DEG: rotate the current units (inside an at ... up pair).
tilt() { m "rotate $1"; }
up() {
  m "pop graphic-context"
  lw=${lws[-1]}
  unset 'lws[-1]'
}

# curve PATH [COLOUR] [WIDTH-FACTOR]: a stroked open line.
curve() { m "push graphic-context fill none stroke ${2:-$INK} stroke-width $(w "${3:-1}") path '$1' pop graphic-context"; }
# blob PATH FILL [OUTLINE] [WIDTH-FACTOR]: a filled shape with an outline.
blob() {
  if [ "${3:-}" = none ]; then
    m "push graphic-context stroke none fill $2 path '$1' pop graphic-context"
  else
    m "push graphic-context fill $2 stroke ${3:-$INK} stroke-width $(w "${4:-1}") path '$1' pop graphic-context"
  fi
}
# dot X Y RX RY [COLOUR]: a filled ellipse without outline.
dot() { m "push graphic-context stroke none fill ${5:-$INK} ellipse $1,$2 $3,$4 0,360 pop graphic-context"; }
# ring X Y RX RY FILL [OUTLINE] [WIDTH-FACTOR]: an outlined ellipse.
ring() { m "push graphic-context fill $5 stroke ${6:-$INK} stroke-width $(w "${7:-1}") ellipse $1,$2 $3,$4 0,360 pop graphic-context"; }

# face [BASE HI SHADE OUTLINE]: the round face with its shading and outline.
face() {
  local base=${1:-$YEL} hi=${2:-$YEL_HI} sh=${3:-$YEL_SH} ink=${4:-$INK}
  local r
  r=$(calc "10-$lw/2")
  m "push graphic-context stroke none"
  m "fill $sh circle 0,0 $r,0"
  m "fill $base circle -0.7,-0.9 $(calc "-0.7+$r-1.0"),-0.9"
  m "fill $hi ellipse -3.0,-5.2 4.6,2.8 0,360"
  if ((${fr%.*} >= 12)); then m "fill $GLINT ellipse -3.6,-6.2 1.8,0.9 0,360"; fi
  m "pop graphic-context"
  m "push graphic-context fill none stroke $ink stroke-width $lw circle 0,0 $r,0 pop graphic-context"
}

# Common features, in face units.
eyes() { dot -3.3 "${1:--2.6}" "${2:-1.25}" "${3:-2.0}"; dot 3.3 "${1:--2.6}" "${2:-1.25}" "${3:-2.0}"; }
smile() { curve 'M -5.4,2.8 Q 0,8.6 5.4,2.8'; }
frown() { curve 'M -4.6,6.8 Q 0,2.0 4.6,6.8'; }
happy_eyes() { curve 'M -5.2,-1.8 Q -3.3,-5.2 -1.4,-1.8'; curve 'M 1.4,-1.8 Q 3.3,-5.2 5.2,-1.8'; }
sad_eyes() { curve 'M -5.2,-3.2 Q -3.3,-0.6 -1.4,-3.2'; curve 'M 1.4,-3.2 Q 3.3,-0.6 5.2,-3.2'; }
# white eye with a pupil: X Y RX RY PUPIL-DX PUPIL-DY [PUPIL-R]
eye_white() {
  ring "$1" "$2" "$3" "$4" "$WHITE" "$INK" 0.8
  dot "$(calc "$1+$5")" "$(calc "$2+$6")" "${7:-1.1}" "${7:-1.1}"
}
cheeks() { dot -6.0 "${1:-2.4}" 2.2 1.3 "$BLUSH"; dot 6.0 "${1:-2.4}" 2.2 1.3 "$BLUSH"; }
# heart X Y SIZE [COLOUR]: a heart of about SIZE units across.
heart() {
  m "push graphic-context translate $1,$2 scale $(calc "$3/4"),$(calc "$3/4")"
  local keep=$lw
  lw=$(calc "$lw*4/$3")
  blob 'M 0,1.7 C -0.5,1.2 -2,0.1 -2,-0.8 C -2,-2.1 -0.5,-2.4 0,-1.2 C 0.5,-2.4 2,-2.1 2,-0.8 C 2,0.1 0.5,1.2 0,1.7 Z' "${4:-$HEART}" "$INK" 0.7
  dot -0.9 -1.0 0.45 0.3 "$GLINT"
  lw=$keep
  m "pop graphic-context"
}
# tear X Y SIZE: a falling drop.
tear() {
  m "push graphic-context translate $1,$2 scale $(calc "$3/4"),$(calc "$3/4")"
  local keep=$lw
  lw=$(calc "$lw*4/$3")
  blob 'M 0,-2.2 Q 1.6,0 1.6,0.9 Q 1.6,2.2 0,2.2 Q -1.6,2.2 -1.6,0.9 Q -1.6,0 0,-2.2 Z' "$TEAR" "'#1f6fb0'" 0.5
  dot -0.5 0.8 0.4 0.6 "$TEAR_HI"
  lw=$keep
  m "pop graphic-context"
}
# sparkle X Y SIZE [COLOUR]: a four-pointed star.
sparkle() {
  m "push graphic-context translate $1,$2 scale $(calc "$3/4"),$(calc "$3/4") stroke none fill ${4:-"'#ffffff'"}"
  m "path 'M 0,-2 Q 0.3,-0.3 2,0 Q 0.3,0.3 0,2 Q -0.3,0.3 -2,0 Q -0.3,-0.3 0,-2 Z' pop graphic-context"
}
# A few letters for signs and snores, drawn as strokes in a 6 x 10 box.
glyph() {
  case "$1" in
    T) echo 'M 0,0 L 6,0 M 3,0 L 3,10' ;;
    H) echo 'M 0,0 L 0,10 M 6,0 L 6,10 M 0,5 L 6,5' ;;
    A) echo 'M 0,10 L 3,0 L 6,10 M 1.1,6.4 L 4.9,6.4' ;;
    N) echo 'M 0,10 L 0,0 L 6,10 L 6,0' ;;
    K) echo 'M 0,0 L 0,10 M 5.8,0 L 0.3,6 M 2.2,4 L 6,10' ;;
    S) echo 'M 5.8,1.6 Q 5,0 3,0 Q 0.2,0 0.2,2.6 Q 0.2,4.6 3,5 Q 5.8,5.4 5.8,7.6 Q 5.8,10 3,10 Q 0.9,10 0,8.4' ;;
    Z) echo 'M 0,0 L 6,0 L 0,10 L 6,10' ;;
    '!') echo 'M 3,0 L 3,6.6 M 3,9.6 L 3,9.7' ;;
  esac
}
# text X Y HEIGHT COLOUR WIDTH-PX STRING: stroked capitals, HEIGHT pixels high, from X,Y.
text() {
  local x=$1 y=$2 h=$3 col=$4 px=$5 s=$6 i k
  k=$(calc "$h/10")
  m "push graphic-context translate $x,$y scale $k,$k fill none stroke $col stroke-width $(calc "$px/$k")"
  for ((i = 0; i < ${#s}; i++)); do
    m "path '$(glyph "${s:i:1}")' translate 8.4,0"
  done
  m "pop graphic-context"
}

mirror() { m "scale -1,1"; }
# fat PATH FILL [WIDTH-FACTOR]: a thick stroke with an outline (arms, fingers, streams).
fat() {
  local k=${3:-2}
  m "push graphic-context fill none stroke $INK stroke-width $(w "$k+1.6") path '$1'"
  m "stroke $2 stroke-width $(w "$k") path '$1' pop graphic-context"
}
# Hands, drawn in face units (at X Y R: a hand about 2R tall).
# An open hand seen from the palm, thumb to the right.
open_hand() {
  blob 'M -3.4,8 L -3.8,-3.6 Q -3.8,-8.4 0,-8.4 Q 3.8,-8.4 3.8,-3.6 L 3.6,0.2 Q 5.6,-2.6 7.2,-1.2 Q 8.0,-0.2 6.4,2.2 L 3.4,8 Z' "$SKIN"
  curve 'M -1.3,-8.0 L -1.3,-3.6 M 1.3,-8.0 L 1.3,-3.6' "$INK" 0.7
}
# A simple palm with the fingers together, fingers up.
mitt() {
  blob 'M -4.6,7.0 L -4.6,-4.4 Q -4.6,-8.4 0,-8.4 Q 4.6,-8.4 4.6,-4.4 L 4.6,7.0 Z' "$SKIN"
  curve 'M -1.5,-8.0 L -1.5,-2.6 M 1.5,-8.0 L 1.5,-2.6' "$INK" 0.6
}
# A fist seen from the side with the thumb up ("bare": without the sleeve).
thumb_up() {
  blob 'M -5.0,-0.8 L -5.0,-7.0 Q -5.0,-9.6 -2.6,-9.6 Q -0.2,-9.6 -0.2,-7.0 L -0.2,-0.8 Z' "$SKIN"
  blob 'M -6.0,-1.8 L 3.6,-1.8 Q 6.2,-1.8 6.2,0.6 L 6.2,6.0 Q 6.2,8.6 3.6,8.6 L -3.4,8.6 Q -6.0,8.6 -6.0,6.0 Z' "$SKIN"
  curve 'M 0.8,1.2 L 6.0,1.2 M 0.8,3.6 L 6.0,3.6 M 0.8,6.0 L 6.0,6.0' "$INK" 0.7
  if [ "${1:-}" != bare ]; then
    m "push graphic-context stroke none fill '#2f6fd0' path 'M -6.4,3.0 L -9.8,3.0 L -9.8,8.6 L -6.4,8.6 Z' pop graphic-context"
    curve 'M -6.4,2.6 L -6.4,9.0' "$INK" 0.8
  fi
}
# A fist with the index finger raised.
finger_up() {
  blob 'M -1.6,0 L -1.6,-8.4 Q -1.6,-10.2 0.4,-10.2 Q 2.4,-10.2 2.4,-8.4 L 2.4,0 Z' "$SKIN"
  blob 'M -5.0,-0.6 L 3.6,-0.6 Q 5.8,-0.6 5.8,1.6 L 5.8,6.6 Q 5.8,8.8 3.6,8.8 L -2.8,8.8 Q -5.0,8.8 -5.0,6.6 Z' "$SKIN"
  curve 'M -4.4,3.2 Q -1.0,2.2 2.6,3.8 M 2.4,5.8 L 5.6,5.8' "$INK" 0.7
}

# --- The pictures ------------------------------------------------------------
# art_NAME [FRAME]: draws picture NAME (frame FRAME of an animation) into $M.

art_smile() { begin 15 15; at 7.5 7.5 7.5; face; eyes; smile; up; }

art_biggrin() {
  begin 15 15; at 7.5 7.5 7.5; face; eyes -3.2
  blob 'M -6.4,1.2 Q 0,0.6 6.4,1.2 Q 5.8,9.0 0,9.0 Q -5.8,9.0 -6.4,1.2 Z' "$MOUTH"
  blob 'M -5.8,1.6 Q 0,1.1 5.8,1.6 L 5.2,4.0 Q 0,3.5 -5.2,4.0 Z' "$WHITE" none
  up
}

art_lol() {
  begin 15 15; at 7.5 7.5 7.5; face; happy_eyes
  blob 'M -6.6,0.6 Q 0,-0.2 6.6,0.6 Q 6.2,9.4 0,9.4 Q -6.2,9.4 -6.6,0.6 Z' "$MOUTH"
  blob 'M -3.4,8.6 Q -2.8,5.6 0,5.8 Q 2.8,5.6 3.4,8.6 Q 0,9.6 -3.4,8.6 Z' "$TONGUE" none
  tear -8.2 -1.6 3.2; tear 8.2 -1.6 3.2
  up
}

art_sad() { begin 15 15; at 7.5 7.5 7.5; face; eyes -2.2; frown; up; }

art_surprised() {
  begin 15 15; at 7.5 7.5 7.5; face; eyes -2.4 1.4 2.1
  curve 'M -5.2,-6.4 Q -3.3,-7.8 -1.6,-6.8'; curve 'M 1.6,-6.8 Q 3.3,-7.8 5.2,-6.4'
  ring 0 5.0 1.9 2.3 "$MOUTH"
  up
}

art_eek() {
  begin 15 15; at 7.5 7.5 7.5; face
  eye_white -3.4 -2.8 2.9 3.2 0 0 0.9; eye_white 3.4 -2.8 2.9 3.2 0 0 0.9
  ring 0 5.6 2.6 2.9 "$MOUTH"
  up
}

art_confused() {
  begin 15 15; at 7.5 7.5 7.5; face; eyes -2.2
  curve 'M 1.6,-6.2 L 5.4,-7.4'
  curve 'M -5.0,5.4 Q -2.6,3.0 0,5.0 Q 2.6,7.0 5.0,4.2'
  up
}

art_cool() {
  begin 15 15; at 7.5 7.5 7.5; face
  blob 'M -9.0,-4.6 L -0.8,-4.6 L -1.2,-1.6 Q -1.8,1.4 -4.9,1.4 Q -8.0,1.4 -8.6,-1.6 Z' "'#141414'" "$INK" 0.6
  blob 'M 9.0,-4.6 L 0.8,-4.6 L 1.2,-1.6 Q 1.8,1.4 4.9,1.4 Q 8.0,1.4 8.6,-1.6 Z' "'#141414'" "$INK" 0.6
  curve 'M -9.4,-4.4 L 9.4,-4.4' "'#141414'" 1.2
  curve 'M -7.2,-2.6 L -5.6,-3.4' "$GLINT" 0.8; curve 'M 2.6,-2.6 L 4.2,-3.4' "$GLINT" 0.8
  curve 'M -4.8,4.4 Q 0.4,7.8 5.6,3.2'
  up
}

art_mad() {
  begin 15 15; at 7.5 7.5 7.5; face "'#ffa62b'" "'#ffd070'" "'#e0620c'"
  curve 'M -6.6,-6.0 L -1.2,-3.6' "$INK" 1.2; curve 'M 6.6,-6.0 L 1.2,-3.6' "$INK" 1.2
  eyes -1.6 1.2 1.6
  m "push graphic-context fill $WHITE stroke $INK stroke-width $lw roundrectangle -5.0,3.0 5.0,7.4 1.4,1.4 pop graphic-context"
  curve 'M -5.0,5.2 L 5.0,5.2' "$INK" 0.6
  curve 'M -1.7,3.0 L -1.7,7.4 M 1.7,3.0 L 1.7,7.4' "$INK" 0.6
  up
}

art_razz() {
  begin 15 15; at 7.5 7.5 7.5; face; eyes -2.8
  curve 'M -5.2,3.4 Q 0,6.0 5.2,3.4'
  blob 'M -2.8,4.6 L 2.8,4.6 L 2.8,6.8 Q 2.8,9.8 0,9.8 Q -2.8,9.8 -2.8,6.8 Z' "$TONGUE"
  curve 'M 0,5.2 L 0,7.4' "'#b02c3c'" 0.7
  up
}

art_redface() {
  begin 15 15; at 7.5 7.5 7.5; face "'#ff9a5a'" "'#ffc38a'" "'#e2452a'"
  dot -5.6 2.2 2.8 1.8 "'rgba(230,20,40,0.6)'"; dot 5.6 2.2 2.8 1.8 "'rgba(230,20,40,0.6)'"
  curve 'M -5.4,-6.0 Q -3.6,-7.2 -1.8,-6.0'; curve 'M 1.8,-6.0 Q 3.6,-7.2 5.4,-6.0'
  dot -3.6 -1.8 1.2 1.6; dot 2.8 -1.8 1.2 1.6
  curve 'M -3.0,5.6 Q -1.5,4.4 0,5.6 Q 1.5,6.8 3.0,5.6'
  up
}

art_cry() {
  begin 15 15; at 7.5 7.5 7.5; face; sad_eyes
  m "push graphic-context fill $TEAR stroke none"
  m "path 'M -4.6,-1.6 L -2.2,-1.6 L -2.0,9.4 L -4.8,9.4 Z' path 'M 4.6,-1.6 L 2.2,-1.6 L 2.0,9.4 L 4.8,9.4 Z'"
  m "pop graphic-context"
  curve 'M -3.0,6.4 Q 0,3.6 3.0,6.4'
  up
}

art_evil() {
  begin 15 15; at 7.5 7.5 7.5; face "'#e8402a'" "'#ff8266'" "'#a8180c'" "'#3a0800'"
  curve 'M -6.6,-5.8 L -1.0,-2.8' "'#3a0800'" 1.2; curve 'M 6.6,-5.8 L 1.0,-2.8' "'#3a0800'" 1.2
  dot -3.4 -1.4 1.3 1.1 "'#3a0800'"; dot 3.4 -1.4 1.3 1.1 "'#3a0800'"
  blob 'M -5.0,6.8 Q 0,1.6 5.0,6.8 Q 0,5.2 -5.0,6.8 Z' "$MOUTH" "'#3a0800'"
  up
}

art_twisted() {
  begin 15 15
  local horn=\'#5a1a80\'
  m "push graphic-context fill $horn stroke $INK stroke-width 0.7 path 'M 1.2,5.2 L 0.3,0.2 L 5.0,2.6 Z' path 'M 13.8,5.2 L 14.7,0.2 L 10.0,2.6 Z' pop graphic-context"
  at 7.5 8.3 6.7; face "'#a45ad6'" "'#cf98ff'" "'#6a2a98'"
  curve 'M -7.0,-5.6 L -1.2,-2.6' "$INK" 1.2; curve 'M 7.0,-5.6 L 1.2,-2.6' "$INK" 1.2
  dot -3.4 -1.2 1.3 1.2; dot 3.4 -1.2 1.3 1.2
  blob 'M -6.6,2.4 Q 0,5.0 6.6,2.4 Q 5.0,8.6 0,8.6 Q -5.0,8.6 -6.6,2.4 Z' "$WHITE"
  curve 'M -5.8,4.6 Q 0,6.4 5.8,4.6' "$INK" 0.6
  up
}

# rolleyes: the eyes roll once round.
art_rolleyes() {
  local f=${1:-0}
  local dx=(0 1.1 1.4 1.0 0 -1.0 -1.4 -1.1) dy=(-1.4 -1.0 0 0.9 1.2 0.9 0 -1.0)
  begin 15 15; at 7.5 7.5 7.5; face
  eye_white -3.3 -2.6 2.6 3.0 "${dx[f]}" "${dy[f]}" 1.2
  eye_white 3.3 -2.6 2.6 3.0 "${dx[f]}" "${dy[f]}" 1.2
  curve 'M -4.0,5.4 L 4.0,5.0'
  up
}

art_wink() {
  begin 15 15; at 7.5 7.5 7.5; face
  dot -3.3 -2.6 1.25 2.0
  curve 'M 1.4,-2.2 Q 3.3,-3.8 5.2,-2.2'
  curve 'M -5.4,2.6 Q 0,8.8 5.6,2.0'
  up
}

# A round badge with a sign on it: BASE HI SHADE.
badge() {
  at 7.5 7.5 7.5; face "$1" "$2" "$3" "$INK"
}

art_exclaim() {
  begin 15 15; badge "'#e83a2a'" "'#ff8a70'" "'#a8140a'"
  blob 'M -1.6,-7.0 L 1.6,-7.0 L 0.9,2.2 L -0.9,2.2 Z' "$WHITE" none
  dot 0 5.4 1.6 1.6 "$WHITE"
  up
}

art_question() {
  begin 15 15; badge "'#2f7fe6'" "'#86bcff'" "'#1a4fa8'"
  curve 'M -3.4,-3.0 Q -3.4,-6.8 0,-6.8 Q 3.6,-6.8 3.6,-3.6 Q 3.6,-1.2 0.4,-0.2 L 0.2,1.6' "$WHITE" 2.4
  dot 0.2 5.4 1.6 1.6 "$WHITE"
  up
}

art_idea() {
  begin 15 15; at 7.5 7.5 7.5
  curve 'M 0,-9.4 L 0,-8.2 M -7.4,-6.0 L -6.4,-5.2 M 7.4,-6.0 L 6.4,-5.2 M -9.4,-1.4 L -8.2,-1.4 M 9.4,-1.4 L 8.2,-1.4' "'#f0a000'" 1.0
  blob 'M -2.6,4.2 Q -2.6,1.8 -4.2,0.2 Q -6.0,-1.6 -6.0,-3.4 Q -6.0,-8.8 0,-8.8 Q 6.0,-8.8 6.0,-3.4 Q 6.0,-1.6 4.2,0.2 Q 2.6,1.8 2.6,4.2 Z' "'#fff06a'"
  dot -2.4 -4.6 1.4 2.0 "$GLINT"
  curve 'M -1.4,3.6 L -1.0,-0.6 L 0,0.6 L 1.0,-0.6 L 1.4,3.6' "'#d08a00'" 0.6
  m "push graphic-context fill '#a8a8b0' stroke $INK stroke-width $lw roundrectangle -3.0,4.2 3.0,8.2 0.8,0.8 pop graphic-context"
  curve 'M -2.8,6.2 L 2.8,6.2' "$INK" 0.6
  dot 0 9.0 1.6 0.9 "$INK"
  up
}

art_arrow() {
  begin 15 15; at 7.5 7.5 7.5
  blob 'M -9.2,-3.0 L 1.0,-3.0 L 1.0,-8.0 L 9.4,0 L 1.0,8.0 L 1.0,3.0 L -9.2,3.0 Z' "'#ff8a1a'"
  blob 'M -8.2,-2.0 L 2.0,-2.0 L 2.0,-5.6 L 6.4,-1.0 L -8.2,-1.0 Z' "'#ffc070'" none
  up
}

art_neutral() { begin 15 15; at 7.5 7.5 7.5; face; eyes; curve 'M -4.6,4.8 L 4.6,4.8'; up; }

art_mrgreen() {
  begin 15 15; at 7.5 7.5 7.5; face "'#6fd04a'" "'#b2f08c'" "'#2f9420'" "'#12380a'"
  dot -3.2 -4.0 1.2 1.7 "'#12380a'"; dot 3.2 -4.0 1.2 1.7 "'#12380a'"
  blob 'M -7.6,-0.2 Q 0,1.0 7.6,-0.2 Q 6.6,8.8 0,8.8 Q -6.6,8.8 -7.6,-0.2 Z' "$WHITE" "'#12380a'"
  curve 'M -7.0,3.2 Q 0,4.4 7.0,3.2 M -3.6,0.6 L -3.4,8.0 M 0,0.8 L 0,8.8 M 3.6,0.6 L 3.4,8.0' "'#12380a'" 0.6
  up
}

art_dizzy() {
  begin 15 15; at 7.5 7.5 7.5; face "'#d8e25a'" "'#eef29a'" "'#98a82a'"
  local e
  for e in -3.5 3.5; do
    curve "M $e,-2.6 Q $(calc "$e+1.2"),-2.6 $(calc "$e+1.2"),-1.4 Q $(calc "$e+1.2"),0 $e,0 Q $(calc "$e-2.4"),0 $(calc "$e-2.4"),-2.6 Q $(calc "$e-2.4"),-5.2 $e,-5.2 Q $(calc "$e+2.8"),-5.2 $(calc "$e+2.9"),-2.4" "$INK" 0.75
  done
  curve 'M -5.0,5.4 Q -3.4,3.6 -1.7,5.4 Q 0,7.2 1.7,5.4 Q 3.4,3.6 5.0,5.4'
  up
}

art_auto_weapon() {
  local f=${1:-0} gun=\'#3c4046\' steel=\'#6a727c\' wood=\'#a0602a\'
  begin 50 16
  lw=0.7
  if ((f == 1)); then
    blob 'M 43.5,5.8 L 46,2.6 L 46.4,4.6 L 49.6,3.4 L 47.2,5.8 L 49.8,8.0 L 46.4,7.0 L 46,9.2 Z' "'#ffd23a'" "'#e06a10'"
  fi
  blob 'M 0.6,5.4 L 11.4,5.0 L 11.4,9.6 L 4.0,12.6 L 0.6,12.6 Z' "$wood"
  blob 'M 30,5.4 L 44,5.4 L 44,7.2 L 30,7.2 Z' "$gun"
  blob 'M 28,3.6 L 39.6,3.6 L 39.6,5.4 L 28,5.4 Z' "$wood"
  blob 'M 41.2,2.4 L 42.2,2.4 L 42.2,5.4 L 41.2,5.4 Z' "$gun"
  blob 'M 11,4.2 L 30.4,4.2 L 30.4,9.2 L 11,9.2 Z' "$gun"
  blob 'M 13.6,3.0 L 15.6,3.0 L 15.6,4.2 L 13.6,4.2 Z' "$gun"
  blob 'M 22.0,9.0 L 26.6,9.0 Q 27.4,12.6 29.6,15.0 L 25.2,15.4 Q 23.2,12.6 22.0,9.0 Z' "$gun"
  blob 'M 14.4,9.0 L 18.0,9.0 L 17.0,14.4 L 13.8,14.4 Z' "$wood"
  curve 'M 18.4,9.2 Q 18.4,12 21.4,11.6 L 21.8,9.2' "$INK" 1
  curve 'M 12,5.4 L 29.4,5.4' "$steel" 1
  curve 'M 31,6 L 43,6' "$steel" 0.8
}

art_dontwannasee() {
  begin 19 19; at 9.5 9.5 9.5; face
  curve 'M -3.6,6.2 Q 0,4.2 3.6,6.2'
  up
  at 5.6 7.6 4.6 1.0; tilt 14; mitt; up
  at 13.4 7.6 4.6 1.0; tilt -14; mitt; up
}

art_happy_loser() {
  begin 19 19; at 9.5 9.5 9.5; face
  curve 'M -2.2,-8.2 L -2.2,-4.6 L 2.2,-4.6' "'#e0202a'" 1.3
  happy_eyes
  blob 'M -6.4,1.6 Q 0,1.0 6.4,1.6 Q 5.8,9.0 0,9.0 Q -5.8,9.0 -6.4,1.6 Z' "$MOUTH"
  blob 'M -5.8,2.0 Q 0,1.5 5.8,2.0 L 5.2,4.2 Q 0,3.7 -5.2,4.2 Z' "$WHITE" none
  up
}

art_uuuuh() {
  begin 19 19; at 9.5 9.5 9.5; face
  curve 'M -6.0,-6.4 Q -3.8,-8.6 -1.6,-7.2'; curve 'M 1.6,-7.2 Q 3.8,-8.6 6.0,-6.4'
  eye_white -3.2 -2.6 2.3 2.8 0.8 -0.9 1.2; eye_white 3.2 -2.6 2.3 2.8 0.8 -0.9 1.2
  cheeks 3.0
  ring 0.6 5.4 2.0 2.4 "$MOUTH" "'#d0405a'" 1.6
  up
}

# nana: a dancing banana.
art_nana() {
  local f=${1:-0} rot=(-14 14)
  begin 19 19; at 9.5 9.5 9.5 1.0; tilt "${rot[f]}"
  blob 'M -2.6,-8.2 Q -9.0,-2.0 -6.4,4.6 Q -3.6,9.8 3.8,9.4 L 6.6,8.8 Q 6.0,7.2 4.6,6.8 Q 1.4,5.8 0.6,1.6 Q 0.0,-3.6 1.0,-8.2 Z' "'#ffe030'"
  curve 'M -1.0,-7.0 Q -4.2,-2.0 -2.6,3.6 Q -1.0,7.0 3.4,8.2' "'#d8a818'" 0.7
  blob 'M -2.8,-8.0 L -2.4,-10.0 L 0.8,-10.0 L 1.0,-8.2 Z' "'#6a4010'"
  dot -4.8 -1.6 0.9 1.3; dot -1.8 -1.8 0.9 1.3
  curve 'M -5.0,2.2 Q -3.0,4.2 -0.8,2.6' "$INK" 0.8
  up
}

# love: a face in love under a beating heart.
art_love() {
  local f=${1:-0}
  begin 19 19; at 8.6 10.4 8.4; face; happy_eyes; cheeks 2.2
  curve 'M -3.4,4.0 Q 0,7.0 3.4,4.0'
  up
  if ((f == 0)); then heart 14.6 4.6 8.2; else heart 14.6 4.6 6.8; fi
  heart 3.0 2.6 4.4
}

art_heyes() {
  begin 19 19; at 9.5 9.5 9.5; face
  heart -3.5 -2.6 6.0; heart 3.5 -2.6 6.0
  blob 'M -6.0,2.2 Q 0,1.6 6.0,2.2 Q 5.4,8.6 0,8.6 Q -5.4,8.6 -6.0,2.2 Z' "$MOUTH"
  blob 'M -3.0,8.0 Q -2.4,5.8 0,6.0 Q 2.4,5.8 3.0,8.0 Q 0,8.8 -3.0,8.0 Z' "$TONGUE" none
  up
}

art_verysad() {
  begin 19 19; at 9.5 9.5 9.5; face "'#e8c860'" "'#f4e2a0'" "'#8894c0'"
  curve 'M -6.4,-4.6 L -1.6,-6.8'; curve 'M 6.4,-4.6 L 1.6,-6.8'
  dot -3.3 -2.0 1.2 1.7; dot 3.3 -2.0 1.2 1.7
  curve 'M -5.0,7.4 Q -2.6,3.0 0,3.6 Q 2.6,3.0 5.0,7.4'
  tear 5.6 3.2 3.6
  up
}

art_sidesmile() {
  begin 19 19; at 9.5 9.5 9.5; face
  curve 'M -5.6,-6.0 L -1.6,-6.0'; curve 'M 1.6,-6.6 Q 3.8,-8.2 6.0,-6.8'
  eye_white -3.2 -2.6 2.3 2.6 1.1 0.2 1.2; eye_white 3.2 -2.6 2.3 2.6 1.1 0.2 1.2
  curve 'M -3.0,5.6 Q 2.0,7.4 6.0,3.2'
  up
}

# reallylol: rolling with laughter, rocking to and fro.
art_reallylol() {
  local f=${1:-0} rot=(-24 -10 -24 -36)
  begin 19 19; at 9.5 9.5 9.5; tilt "${rot[f]}"; face
  curve 'M -5.6,-4.6 L -2.0,-2.8 L -5.6,-1.0'; curve 'M 5.6,-4.6 L 2.0,-2.8 L 5.6,-1.0'
  blob 'M -6.8,0.6 Q 0,-0.2 6.8,0.6 Q 6.4,9.4 0,9.4 Q -6.4,9.4 -6.8,0.6 Z' "$MOUTH"
  blob 'M -3.4,8.6 Q -2.8,5.8 0,6.0 Q 2.8,5.8 3.4,8.6 Q 0,9.6 -3.4,8.6 Z' "$TONGUE" none
  up
}

art_dont() {
  begin 19 19; at 9.5 9.5 9.5; face
  eyes -2.6 1.2 1.8
  curve 'M -3.6,5.4 L 3.6,5.4'
  m "push graphic-context fill none stroke '#e01c24' stroke-width $(w 1.8) circle 0,0 8.4,0 line -5.9,-5.9 5.9,5.9 pop graphic-context"
  up
}

art_bad() {
  begin 19 19; at 7.2 7.2 7.2; face
  curve 'M -6.0,-5.6 L -1.4,-3.6'; curve 'M 6.0,-5.6 L 1.4,-3.6'
  dot -3.2 -1.4 1.2 1.5; dot 3.2 -1.4 1.2 1.5
  frown
  up
  at 12.8 11.4 7.6 1.0; tilt 180; thumb_up bare; up
}

art_screams() {
  begin 15 15
  at 7.5 7.0 7.0; face
  blob 'M -7.4,-5.6 A 9.3,9.3 0 0,1 7.4,-5.6 Q 0,-4.4 -7.4,-5.6 Z' "'rgba(60,110,230,0.6)'" none
  eye_white -3.2 -2.2 2.3 2.7 0 0.2 0.8; eye_white 3.2 -2.2 2.3 2.7 0 0.2 0.8
  ring 0 4.6 2.0 3.6 "$MOUTH"
  up
  at 2.4 9.8 3.4 1.0; tilt -10; mitt; up
  at 12.6 9.8 3.4 1.0; tilt 10; mitt; up
}

art_proud() {
  begin 19 19; at 8.8 8.6 8.6; face
  curve 'M -5.6,-3.6 L -1.2,-3.6'; curve 'M 1.2,-3.6 L 5.6,-3.6'
  blob 'M -4.6,-3.6 A 1.3,1.3 0 0,0 -2.0,-3.6 Z' "$INK" none
  blob 'M 2.0,-3.6 A 1.3,1.3 0 0,0 4.6,-3.6 Z' "$INK" none
  curve 'M -6.0,-6.6 Q -3.6,-8.0 -1.4,-6.8'; curve 'M 1.4,-6.8 Q 3.6,-8.0 6.0,-6.6'
  curve 'M -3.6,3.4 Q 1.0,5.6 5.0,2.0'
  up
  lw=0.7
  blob 'M 11.2,10.4 L 13.4,10.4 L 15.6,14.0 L 13.4,14.6 Z' "'#2f6fd0'"
  blob 'M 18.4,10.4 L 16.2,10.4 L 14.8,14.0 L 16.6,14.6 Z' "'#e0202a'"
  m "push graphic-context fill '#ffc020' stroke $INK stroke-width 0.8 circle 15.2,15.6 15.2,18.6 pop graphic-context"
  dot 14.4 14.8 0.8 0.6 "$GLINT"
}

art_thumbup() {
  begin 38 20; at 10.0 10.0 9.5; face; eyes; smile; up
  at 29.0 10.4 9.2 1.3; thumb_up; up
}

# party: hat, blower, balloons and falling confetti.
art_party() {
  local f=${1:-0} i x y c
  local cols=("'#e8202e'" "'#2f7fe6'" "'#2fb84a'" "'#ffb000'" "'#b050e0'" "'#ff5fa8'")
  begin 112 80
  lw=0.8
  # confetti: a fixed scatter that falls 5 pixels a frame
  for ((i = 0; i < 34; i++)); do
    x=$(((i * 37 + 11) % 108 + 2))
    y=$((((i * 53 + 7) % 78 + f * 5) % 80))
    c=${cols[i % 6]}
    m "push graphic-context stroke none fill $c translate $x,$y rotate $(((i * 47) % 180)) rectangle -1.4,-0.8 1.4,0.8 pop graphic-context"
  done
  # streamers
  curve 'M 2,12 Q 10,4 18,12 Q 26,20 34,12' "'#2fb84a'" 2
  curve 'M 70,4 Q 76,14 84,8 Q 92,2 96,12' "'#ff5fa8'" 2
  # balloons
  local by=$((f % 2))
  curve "M 92,$((34 + by)) Q 88,46 94,56 Q 98,64 92,76" "$INK" 1
  curve "M 104,$((42 - by)) Q 108,52 102,60 Q 98,68 102,76" "$INK" 1
  blob "M 92,$((34 + by)) Q 82,$((30 + by)) 82,$((20 + by)) Q 82,$((8 + by)) 92,$((8 + by)) Q 102,$((8 + by)) 102,$((20 + by)) Q 102,$((30 + by)) 92,$((34 + by)) Z" "'#e8202e'"
  blob "M 104,$((42 - by)) Q 96,$((38 - by)) 96,$((30 - by)) Q 96,$((20 - by)) 104,$((20 - by)) Q 112,$((20 - by)) 111,$((30 - by)) Q 111,$((38 - by)) 104,$((42 - by)) Z" "'#2f7fe6'"
  dot 88 $((15 + by)) 2 3 "$GLINT"; dot 101 $((26 - by)) 1.6 2.6 "$GLINT"
  # the face with its hat and blower
  at 36 54 24 2.0; face
  happy_eyes; cheeks 2.6
  blob 'M -4.6,-8.9 L -3.0,-21.2 L 4.8,-8.8 Q 0,-10.4 -4.6,-8.9 Z' "'#ff4fa3'"
  dot -2.2 -12.6 0.9 0.9 "'#ffe040'"; dot 1.2 -11.0 0.9 0.9 "'#ffe040'"; dot -2.6 -17.2 0.8 0.8 "'#ffe040'"
  ring -3.0 -21.4 1.8 1.8 "'#ffe040'"
  if ((f % 2 == 0)); then
    blob 'M 1.0,4.0 L 15.8,2.6 Q 19.4,2.4 19.6,4.6 Q 19.8,6.8 16.0,6.8 L 1.0,6.8 Z' "'#ffe040'"
    curve 'M 6,3.6 L 6,6.8 M 10.4,3.2 L 10.4,6.8 M 14.6,2.8 L 14.6,6.8' "'#e8202e'" 1.4
  else
    blob 'M 1.0,4.0 L 6.0,4.0 Q 9.8,4.0 9.8,6.6 Q 9.8,9.0 7.4,9.0 Q 5.4,9.0 5.4,7.2 Q 5.4,6.0 6.6,6.0 L 6.6,6.8 L 1.0,6.8 Z' "'#ffe040'"
  fi
  blob 'M -2.4,3.0 L 2.0,3.0 L 2.0,7.8 L -2.4,7.8 Z' "'#2f7fe6'"
  up
}

# crying: wailing, with fountains of tears.
art_6() {
  local f=${1:-0} s
  begin 61 50; at 30.5 25 22 2.0; face
  curve 'M -7.0,-6.0 L -1.8,-7.8'; curve 'M 7.0,-6.0 L 1.8,-7.8'
  sad_eyes
  blob 'M -4.6,3.4 Q 0,1.8 4.6,3.4 L 3.6,8.4 Q 0,9.2 -3.6,8.4 Z' "$MOUTH"
  blob 'M -2.6,8.2 Q 0,6.4 2.6,8.2 Q 0,9.0 -2.6,8.2 Z' "$TONGUE" none
  up
  fat 'M 21,23 Q 10,14 3,30' "$TEAR" 1.6
  fat 'M 40,23 Q 51,14 58,30' "$TEAR" 1.6
  for s in 0 1 2; do
    local k=$(((s * 6 + f * 2) % 18))
    tear $((4 - k / 6)) $((33 + k)) 4.2
    tear $((57 + k / 6)) $((33 + k)) 4.2
  done
}

# bravo: clapping hands.
art_9() {
  local f=${1:-0}
  begin 66 66; at 33 25 21 2.0; face
  happy_eyes; cheeks 2.6
  blob 'M -6.0,2.0 Q 0,1.4 6.0,2.0 Q 5.4,8.4 0,8.4 Q -5.4,8.4 -6.0,2.0 Z' "$MOUTH"
  blob 'M -3.0,7.8 Q -2.4,5.6 0,5.8 Q 2.4,5.6 3.0,7.8 Q 0,8.6 -3.0,7.8 Z' "$TONGUE" none
  up
  if ((f == 0)); then
    curve 'M 22,42 L 18,39 M 44,42 L 48,39 M 20,51 L 15,51 M 46,51 L 51,51' "'#f08a00'" 2
    at 29.6 53 11 2.0; mirror; tilt 16; open_hand; up
    at 36.4 53 11 2.0; tilt 16; open_hand; up
  else
    at 20 54 11 2.0; mirror; tilt 34; open_hand; up
    at 46 54 11 2.0; tilt 34; open_hand; up
  fi
}

# blessed: an angel with halo and wings.
art_14() {
  begin 50 45
  lw=0.9
  blob 'M 12,22 Q 4,10 1,14 Q 0,20 4,24 Q 0,26 2,30 Q 4,34 10,32 Q 8,38 14,37 Z' "$WHITE" "'#7a8aa8'"
  blob 'M 38,22 Q 46,10 49,14 Q 50,20 46,24 Q 50,26 48,30 Q 46,34 40,32 Q 42,38 36,37 Z' "$WHITE" "'#7a8aa8'"
  curve 'M 4,24 Q 8,24 11,25 M 2,30 Q 7,30 11,30 M 46,24 Q 42,24 39,25 M 48,30 Q 43,30 39,30' "'#7a8aa8'" 1
  at 25 28 16 1.8; face; sad_eyes; cheeks 2.6
  curve 'M -3.6,4.0 Q 0,6.6 3.6,4.0'
  up
  m "push graphic-context fill none stroke $INK stroke-width 4.2 ellipse 25,6.6 11,3.2 0,360 stroke '#ffd21e' stroke-width 2.2 ellipse 25,6.6 11,3.2 0,360 pop graphic-context"
}

# emotive: moved to tears, with sparkles.
art_16() {
  begin 56 46
  sparkle 6 8 8 "'#ffb000'"; sparkle 50 10 7 "'#ffb000'"; sparkle 49 38 6 "'#ffb000'"; sparkle 7 38 5 "'#ffb000'"
  at 28 24 21 2.0; face
  curve 'M -6.6,-6.6 L -2.2,-8.0'; curve 'M 6.6,-6.6 L 2.2,-8.0'
  local e
  for e in -3.6 3.6; do
    ring "$e" -2.2 2.9 3.5 "$WHITE" "$INK" 0.7
    dot "$e" -1.8 2.1 2.6 "'#4a2a10'"
    dot "$(calc "$e-0.8")" -3.0 0.8 0.8 "$WHITE"; dot "$(calc "$e+0.8")" -0.8 0.4 0.4 "$WHITE"
    curve "M $(calc "$e-2.6"),-0.2 Q $e,1.8 $(calc "$e+2.6"),-0.2" "$TEAR" 0.8
  done
  curve 'M -3.0,5.6 Q -1.5,4.6 0,5.6 Q 1.5,6.6 3.0,5.6'
  tear -6.4 3.6 2.6
  up
}

# jumpy: jumping for joy.
art_17() {
  local f=${1:-0} ys=(0 6 11 6)
  local y=$((15 + ys[f]))
  begin 51 46
  m "push graphic-context stroke none fill 'rgba(60,40,0,0.35)' ellipse 25.5,43 $((8 + ys[f] / 2)),2 0,360 pop graphic-context"
  lw=1.0
  if ((f == 2)); then
    fat "M 20,$((y + 12)) L 18,$((y + 18)) M 31,$((y + 12)) L 33,$((y + 18))" "$SKIN" 1.8
    ring 16.6 $((y + 19)) 3.0 1.6 "'#c0302a'"; ring 34.4 $((y + 19)) 3.0 1.6 "'#c0302a'"
    fat "M 14,$((y + 2)) L 5,$((y + 6)) M 37,$((y + 2)) L 46,$((y + 6))" "$SKIN" 1.8
  else
    fat "M 20,$((y + 12)) L 14,$((y + 16)) L 18,$((y + 21)) M 31,$((y + 12)) L 37,$((y + 16)) L 33,$((y + 21))" "$SKIN" 1.8
    ring 17.0 $((y + 22)) 3.0 1.6 "'#c0302a'"; ring 34.0 $((y + 22)) 3.0 1.6 "'#c0302a'"
    fat "M 14,$((y - 2)) L 6,$((y - 10)) M 37,$((y - 2)) L 45,$((y - 10))" "$SKIN" 1.8
  fi
  at 25.5 $y 13.5 1.6; face; happy_eyes
  blob 'M -5.6,1.6 Q 0,1.0 5.6,1.6 Q 5.0,8.6 0,8.6 Q -5.0,8.6 -5.6,1.6 Z' "$MOUTH"
  blob 'M -2.8,8.0 Q -2.2,5.8 0,6.0 Q 2.2,5.8 2.8,8.0 Q 0,8.8 -2.8,8.0 Z' "$TONGUE" none
  up
}

# pleased: content, eyes closed, with sparkles.
art_19() {
  begin 60 57
  sparkle 6 7 9 "'#ffb000'"; sparkle 54 8 8 "'#ffb000'"; sparkle 54 50 6 "'#ffb000'"
  at 30 29.5 25 2.2; face
  happy_eyes; cheeks 2.6
  curve 'M -6.0,3.0 Q 0,8.0 6.0,3.0'
  up
}

# disapprove: a stern look and a wagging finger.
art_5() {
  local f=${1:-0} rot=(0 -16 0 16)
  begin 50 50; at 21 27 19 2.0; face
  curve 'M -6.4,-5.4 L -1.6,-4.2'; curve 'M 1.6,-5.6 Q 4.0,-7.0 6.4,-5.8'
  curve 'M -5.6,-2.2 L -1.2,-2.2'; curve 'M 1.2,-2.2 L 5.6,-2.2'
  blob 'M -4.6,-2.2 A 1.4,1.4 0 0,0 -1.8,-2.2 Z' "$INK" none
  blob 'M 1.8,-2.2 A 1.4,1.4 0 0,0 4.6,-2.2 Z' "$INK" none
  curve 'M -4.0,6.0 Q 0,4.0 4.0,6.0'
  up
  at 41.5 24 10 1.8; tilt "${rot[f]}"; finger_up; up
}

# patient: waiting, with an hourglass.
art_3() {
  begin 50 45; at 18.5 26 17 1.8; face
  curve 'M -5.8,-2.8 L -1.2,-2.8'; curve 'M 1.2,-2.8 L 5.8,-2.8'
  blob 'M -4.8,-2.8 A 1.4,1.4 0 0,0 -2.0,-2.8 Z' "$INK" none
  blob 'M 2.0,-2.8 A 1.4,1.4 0 0,0 4.8,-2.8 Z' "$INK" none
  curve 'M -3.6,5.2 L 3.6,5.2'
  up
  lw=1.0
  blob 'M 39,11 L 48,11 L 48,13 Q 48,19 44.5,22 Q 48,25 48,31 L 48,33 L 39,33 L 39,31 Q 39,25 42.5,22 Q 39,19 39,13 Z' "'rgba(220,240,255,0.9)'"
  blob 'M 40.6,16 L 46.4,16 Q 45.6,19.6 43.5,21.4 Q 41.4,19.6 40.6,16 Z' "'#f0b840'" none
  blob 'M 43.5,25 Q 47,29 47,32 L 40,32 Q 40,29 43.5,25 Z' "'#f0b840'" none
  curve 'M 43.5,22 L 43.5,28' "'#f0b840'" 0.8
  m "push graphic-context fill '#9a5a22' stroke $INK stroke-width 1.0 roundrectangle 36.5,8 50.5,11.4 1.2,1.2 roundrectangle 36.5,32.6 50.5,36 1.2,1.2 pop graphic-context"
}

# sleep: a nightcap, and snores rising.
art_4() {
  local f=${1:-0}
  begin 60 54
  at 26 35 18.5 2.0; face
  sad_eyes
  ring 1.0 5.4 1.6 1.8 "$MOUTH"
  blob 'M -9.0,-5.0 Q -8.0,-13.0 1.0,-13.2 Q 8.6,-13.0 9.2,-5.0 Q 0,-8.2 -9.0,-5.0 Z' "'#3a74d8'"
  blob 'M -1.0,-12.8 Q -10.0,-17.0 -12.0,-7.0 L -10.4,-6.8 Q -9.4,-12.4 -4.0,-10.0 Z' "'#3a74d8'"
  fat 'M -8.8,-5.2 Q 0,-8.4 9.0,-5.2' "$WHITE" 1.4
  ring -11.4 -6.0 2.0 2.0 "$WHITE"
  up
  local n
  case $f in 0) n=3 ;; 1) n=0 ;; 2) n=1 ;; *) n=2 ;; esac
  ((n >= 1)) && text 43 29 6 "'#3a74d8'" 1.6 Z
  ((n >= 2)) && text 47.5 16 8 "'#3a74d8'" 1.8 Z
  ((n >= 3)) && text 52 1 11 "'#3a74d8'" 2.0 Z
  return 0
}

# thanks: a face holding up a sign.
art_2() {
  begin 70 66
  lw=1.0
  fat 'M 22,50 Q 12,44 11,31 M 48,50 Q 58,44 59,31' "$SKIN" 2.4
  m "push graphic-context fill '#fff4d0' stroke '#8a5a20' stroke-width 2.2 roundrectangle 2,2 68,31 3,3 pop graphic-context"
  text 6.2 10.5 12 "'#d0202a'" 2.4 THANKS
  ring 11 31 3.0 2.6 "$SKIN"; ring 59 31 3.0 2.6 "$SKIN"
  at 35 49 16 1.8; face; happy_eyes; cheeks 2.6
  blob 'M -5.6,1.8 Q 0,1.2 5.6,1.8 Q 5.0,8.0 0,8.0 Q -5.0,8.0 -5.6,1.8 Z' "$MOUTH"
  up
}

# --- Rendering -----------------------------------------------------------------
# NAME WIDTH HEIGHT [FRAMES DELAY]: every picture, its size in pixels and, for
# an animation, its number of frames and the delay between them (1/100 s).
# The first frame of an animation is a good still: the extra emoticons window
# shows only that one.
pictures=(
  "smile 15 15"      "biggrin 15 15"   "lol 15 15"        "sad 15 15"
  "surprised 15 15"  "eek 15 15"       "confused 15 15"   "cool 15 15"
  "mad 15 15"        "razz 15 15"      "redface 15 15"    "cry 15 15"
  "evil 15 15"       "twisted 15 15"   "rolleyes 15 15 8 14"  "wink 15 15"
  "exclaim 15 15"    "question 15 15"  "idea 15 15"       "arrow 15 15"
  "neutral 15 15"    "mrgreen 15 15"   "dizzy 15 15"      "screams 15 15"
  "auto_weapon 50 16 2 12"   "dontwannasee 19 19"  "happy_loser 19 19"
  "uuuuh 19 19"      "nana 19 19 2 25" "love 19 19 2 40"  "heyes 19 19"
  "verysad 19 19"    "sidesmile 19 19" "reallylol 19 19 4 16" "dont 19 19"
  "bad 19 19"        "proud 19 19"     "thumbup 38 20"
  "party 112 80 4 20"  "6 61 50 3 12"   "9 66 66 2 18"     "14 50 45"
  "16 56 46"         "17 51 46 4 12"   "19 60 57"         "5 50 50 4 14"
  "3 50 45"          "4 60 54 4 50"    "2 70 66"
)

# shrink SOURCE TARGET: the supersampled drawing to the final size (area
# average, then a little sharpening of the colours), with one-bit alpha.
shrink() {
  local sharpen=0x0.6+1.0+0
  ((S == 8)) || sharpen=0x0.5+0.6+0
  "$IM" "$1" -filter Box -resize "${W}x${H}!" -channel RGB -unsharp "$sharpen" \
    -channel A -threshold 50% +channel "$2"
}

draw() {  # draw TARGET: renders $M on a transparent canvas
  m "pop graphic-context"
  "$IM" -size "$((W * S))x$((H * S))" xc:none -draw "$M" "$work/big.miff"
  shrink "$work/big.miff" "$1"
}

make_picture() {
  local name=$1 width=$2 height=$3 frames=${4:-1} delay=${5:-0} f
  "art_$name" 0
  if ((W != width || H != height)); then
    echo "$name: drawn at ${W}x${H}, listed as ${width}x${height}" >&2
    exit 1
  fi
  if ((frames == 1)); then
    draw "$work/$name.miff"
    "$IM" "$work/$name.miff" +dither -strip "$out/$name.gif"
    echo "$out/$name.gif ${width}x${height}"
    return
  fi
  local list=("$work/$name-0.miff")
  draw "${list[0]}"
  for ((f = 1; f < frames; f++)); do
    "art_$name" "$f"
    list+=("$work/$name-$f.miff")
    draw "${list[f]}"
  done
  "$IM" -dispose Background -delay "$delay" "${list[@]}" -loop 0 +dither -strip "$out/$name.gif"
  echo "$out/$name.gif ${width}x${height}, $frames frames"
}

for entry in "${pictures[@]}"; do
  read -r name width height frames delay <<<"$entry"
  if ((${#only[@]})); then
    case " ${only[*]} " in *" $name "*) ;; *) continue ;; esac
  fi
  make_picture "$name" "$width" "$height" "${frames:-1}" "${delay:-0}"
done

# The contact sheet: every picture's first frame on a light background, the
# small faces scaled up five times and the rest three times, named.
if [ -n "$sheet" ]; then
  small=() large=()
  for entry in "${pictures[@]}"; do
    read -r name width height _ <<<"$entry"
    if ((width <= 20 && height <= 20)); then
      "$IM" "$out/$name.gif[0]" -filter Point -resize 500% -background '#ececec' -gravity center \
        -extent 100x100 "$work/sheet-$name.png"
      small+=(-label "$name" "$work/sheet-$name.png")
    else
      "$IM" "$out/$name.gif[0]" -filter Point -resize 300% -background '#ececec' -flatten "$work/sheet-$name.png"
      large+=(-label "$name" "$work/sheet-$name.png")
    fi
  done
  "$MONTAGE" "${small[@]}" -tile 10x -geometry +6+6 -background '#ececec' "$work/sheet-small.png"
  "$MONTAGE" "${large[@]}" -tile 6x -geometry +6+6 -background '#ececec' "$work/sheet-large.png"
  "$IM" "$work/sheet-small.png" "$work/sheet-large.png" -background '#ececec' -append "$sheet"
  echo "$sheet"
fi
