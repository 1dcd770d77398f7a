#!/usr/bin/env bash
# Rebuilds the pictures of the About box, the connect-with-us and the review dialogs, and the
# application icon, under resources/about/. Everything is drawn here with ImageMagick 6
# `convert`; the lettering uses DejaVu Sans Bold, so a rebuild on another machine needs that
# font file.
#
# Banner-Boxshot: the product box, 170 x 340 (340 x 680 in the @2x variant), on a transparent
# background so that it sits on the light and the dark theme alike.
# Icons-Social: a row of three square icons of 48 pixels (96 in @2x): share (not shown by
# the program), the first and the second social network.
# Mail: an envelope with a star, 128 pixels square (256 in @2x).
# Quendrasil.ico: the program's icon in 16, 24, 32, 48 and 256 pixels.
#
# Each picture is drawn four times larger than its @2x variant (eight times the 1x size) and
# shrunk by averaging, which gives clean edges.
#
# Usage: bash tools/make-about-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
[ -f "$font" ] || { echo "missing font $font" >&2; exit 1; }

out=resources/about
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

supersample=8

# The logo: three photo cards fanned out around (0,0), each 30 x 24 units, a mountain and a
# sun on each. Drawn in whatever coordinates the caller has set up.
logo_cards() {
    local angle
    for angle in -14 0 14; do
        cat <<EOF
push graphic-context
  rotate $angle
  translate 0,-10
  fill '#ffffff'
  stroke '#0b2d42'
  stroke-width 0.8
  roundrectangle -15,-12 15,12 2,2
  stroke none
  fill '#8fd3f0'
  rectangle -12,-9 12,7
  fill '#f6c343'
  circle 6,-4 8.6,-4
  fill '#2e8b57'
  polygon -12,7 -4,-3 2,3 5,0 12,7
pop graphic-context
EOF
    done
}

# Writes the 1x and @2x variants of a supersampled drawing (mvg file, base name, 1x size).
emit() { # mvg base width height
    local big_w=$(($3 * supersample)) big_h=$(($4 * supersample)) scale suffix
    # (The MVG goes in as text: ImageMagick's usual policy refuses "@file" arguments.)
    convert -size "${big_w}x${big_h}" xc:none -draw "$(grep -v '^ *#' "$1")" "$work/$2.png"
    for scale in 1 2; do
        suffix=""
        [ "$scale" -eq 2 ] && suffix="@2x"
        convert "$work/$2.png" -filter box -resize "$(($3 * scale))x$(($4 * scale))!" \
            -strip -define png:exclude-chunks=date,time "PNG32:$out/$2$suffix.png"
    done
}

# --- Banner-Boxshot: 170 x 340 units ---------------------------------------------------------
cat >"$work/banner.mvg" <<EOF
affine $supersample,0,0,$supersample,0,0
push defs
  push gradient 'front' linear 0,70 0,275
    stop-color '#2f93b8' 0
    stop-color '#0e3a56' 1
  pop gradient
  push gradient 'spine' linear 130,70 150,70
    stop-color '#0b2d42' 0
    stop-color '#082233' 1
  pop gradient
pop defs
# The shadow on the floor.
fill '#00000030'
ellipse 85,287 72,8 0,360
fill '#00000022'
ellipse 85,286 58,5 0,360
# Top, spine and front of the box.
fill '#5fb6d6'
polygon 18,72 36,60 150,60 132,72
# A gradient fill would stick to everything drawn after it, so each lives in its own context.
push graphic-context
  fill 'url(#spine)'
  polygon 132,72 150,60 150,262 132,274
pop graphic-context
push graphic-context
  fill 'url(#front)'
  rectangle 18,72 132,274
pop graphic-context
# A light edge along the top of the front.
fill '#ffffff40'
rectangle 18,72 132,74
push graphic-context
  translate 75,140
  affine 1.6,0,0,1.6,0,0
EOF
logo_cards >>"$work/banner.mvg"
cat >>"$work/banner.mvg" <<EOF
pop graphic-context
font '$font'
text-anchor middle
fill '#ffffff'
font-size 17
text 75,210 'Quendrasil'
fill '#bfe6f5'
font-size 8
text 75,226 'Batch Photo Editor'
fill '#f6c343'
rectangle 40,240 110,241.5
fill '#bfe6f5'
font-size 6.5
text 75,258 'Tarrow&Lune'
EOF
emit "$work/banner.mvg" Banner-Boxshot 170 340

# --- Icons-Social: 3 x 48 units -------------------------------------------------------------
cat >"$work/social.mvg" <<EOF
affine $supersample,0,0,$supersample,0,0
stroke none
# Share: three linked dots.
fill '#6b7b86'
roundrectangle 3,3 45,45 9,9
stroke '#ffffff'
stroke-width 2.6
line 16,24 32,14
line 16,24 32,34
stroke none
fill '#ffffff'
circle 16,24 21,24
circle 32,14 36.5,14
circle 32,34 36.5,34
# The first network: an "f" on blue.
fill '#2d6fd8'
roundrectangle 51,3 93,45 9,9
font '$font'
text-anchor middle
fill '#ffffff'
font-size 34
text 74,40 'f'
# The second network: a "t" on sky blue.
fill '#2fa6e8'
roundrectangle 99,3 141,45 9,9
fill '#ffffff'
font-size 32
text 120,38 't'
EOF
emit "$work/social.mvg" Icons-Social 144 48

# --- Mail: 128 x 128 units ------------------------------------------------------------------
cat >"$work/mail.mvg" <<EOF
affine $supersample,0,0,$supersample,0,0
fill '#00000026'
ellipse 64,112 50,5 0,360
# The envelope body and its folds.
fill '#f4f7fa'
stroke '#5b7184'
stroke-width 3
stroke-linejoin round
roundrectangle 12,34 116,104 6,6
fill none
polyline 14,37 64,75 114,37
polyline 14,101 50,65
polyline 114,101 78,65
# A star for the review.
stroke '#c98a12'
stroke-width 2
fill '#f6c343'
polygon 100,8 105.3,19.7 118,21 108.6,29.6 111.2,42.2 100,35.8 88.8,42.2 91.4,29.6 82,21 94.7,19.7
EOF
emit "$work/mail.mvg" Mail 128 128

# --- Quendrasil.ico -------------------------------------------------------------------------
cat >"$work/icon.mvg" <<EOF
affine 16,0,0,16,0,0
push defs
  push gradient 'tile' linear 0,0 0,64
    stop-color '#2f93b8' 0
    stop-color '#0e3a56' 1
  pop gradient
pop defs
push graphic-context
  fill 'url(#tile)'
  roundrectangle 1,1 63,63 12,12
pop graphic-context
push graphic-context
  translate 32,36
  affine 1.2,0,0,1.2,0,0
EOF
logo_cards >>"$work/icon.mvg"
echo "pop graphic-context" >>"$work/icon.mvg"
convert -size 1024x1024 xc:none -draw "$(grep -v '^ *#' "$work/icon.mvg")" "$work/icon.png"
sizes=()
for size in 16 24 32 48 256; do
    convert "$work/icon.png" -filter box -resize "${size}x${size}" -strip \
        -define png:exclude-chunks=date,time "PNG32:$work/icon-$size.png"
    sizes+=("$work/icon-$size.png")
done
convert "${sizes[@]}" -strip "$out/Quendrasil.ico"
