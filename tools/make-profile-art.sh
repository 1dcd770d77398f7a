#!/usr/bin/env bash
# Rebuilds the profile chooser's art under resources/profiles/, drawn with ImageMagick 6
# `convert` (font: DejaVu Sans Bold, package fonts-dejavu-core).
#
# Icons-Formats-64: one row of ten 64-pixel tiles in the order of the formats' icon numbers
# (the catalogue's options kind): 0 a stack of pages (keep the original format), 1 a plain
# page (any other format), then pages labelled JPG, TIF, PNG, GIF, BMP, PSD, RAW and PDF. It is
# drawn at the "@2x" size and shrunk for the plain one.
#
# Icons-Filters-64: the filter art of tools/make-filter-art.sh (eighteen columns and six rows
# of 64-pixel tiles, which the filter picker also shows), over which this script draws the
# chooser's tiles: row 0 column 0 a stack of photos (all and output profiles), column 1 a
# person (the user's own), columns 2 to 4 contrast, rotation and black and white; row 3
# column 0 a wand (editing profiles), in Auto Contrast's place. Each tile is cleared first, so
# a rerun gives the same files. Order: make-filter-art.sh writes the sheets and then runs this
# script; run this one alone only to redraw the chooser's tiles over sheets already written.
#
# Neither sheet is themed: the colours read on light and dark backgrounds alike.
#
# Usage: bash tools/make-profile-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/profiles
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=DejaVu-Sans-Bold

# Writes the @2x sheet from MVG on stdin, then the plain one at half size.
sheet() { # base width height (of the @2x sheet)
    cat >"$work/$1.mvg"
    # (The MVG goes in as text: ImageMagick's usual policy refuses "@file" arguments.)
    convert -size "$2x$3" xc:none -draw "$(grep -v '^ *#' "$work/$1.mvg")" "$work/$1.png"
    convert "$work/$1.png" -strip -define png:exclude-chunks=date,time "PNG32:$out/$1@2x.png"
    convert "$work/$1.png" -filter Box -resize 50% -strip -define png:exclude-chunks=date,time \
        "PNG32:$out/$1.png"
}

# A page with a folded corner and a coloured label, at tile x of a 128-pixel row.
page() { # index label colour
    local x=$(($1 * 128))
    cat <<MVG
push graphic-context
  translate $x,0
  stroke '#6b6b6b' stroke-width 3 fill '#fbfbfb'
  path 'M 26,10 L 84,10 L 106,32 L 106,118 L 26,118 Z'
  fill '#d8d8d8'
  path 'M 84,10 L 84,32 L 106,32 Z'
  stroke none fill '$3'
  roundrectangle 12,62 116,100 8,8
  fill white font '$font' font-size $( [ ${#2} -gt 3 ] && echo 25 || echo 30 )
  text-anchor middle
  text 64,92 '$2'
pop graphic-context
MVG
}

# Two pages behind each other, unlabelled: the original format, whatever it is.
stack() { # index
    local x=$(($1 * 128))
    cat <<MVG
push graphic-context
  translate $x,0
  stroke '#6b6b6b' stroke-width 3 fill '#e9e9e9'
  path 'M 40,4 L 92,4 L 112,24 L 112,104 L 40,104 Z'
  fill '#fbfbfb'
  path 'M 18,24 L 72,24 L 94,46 L 94,124 L 18,124 Z'
  fill '#d8d8d8'
  path 'M 72,24 L 72,46 L 94,46 Z'
pop graphic-context
MVG
}

# A page without a label: a format that has no tile of its own.
plain() { # index
    local x=$(($1 * 128))
    cat <<MVG
push graphic-context
  translate $x,0
  stroke '#6b6b6b' stroke-width 3 fill '#fbfbfb'
  path 'M 26,10 L 84,10 L 106,32 L 106,118 L 26,118 Z'
  fill '#d8d8d8'
  path 'M 84,10 L 84,32 L 106,32 Z'
  stroke '#9a9a9a' stroke-width 4
  line 40,58 92,58
  line 40,74 92,74
  line 40,90 76,90
pop graphic-context
MVG
}

{
    stack 0
    plain 1
    page 2 JPG '#2f7fd8'
    page 3 TIF '#8a5cc7'
    page 4 PNG '#2e9d57'
    page 5 GIF '#e08a1e'
    page 6 BMP '#4b8c97'
    page 7 PSD '#2b5f9e'
    page 8 RAW '#6a6f7a'
    page 9 PDF '#d23b34'
} | sheet Icons-Formats-64 1280 128

# An open path along a circular arc, clockwise on screen from angle a0 to a1 in degrees, 0 at
# the right. (ImageMagick closes a stroked partial ellipse with a chord, and strokes an open
# path with mitred joins as if closed: the arc takes round joins.)
arc_path() { # cx cy radius a0 a1
    awk -v cx="$1" -v cy="$2" -v r="$3" -v a0="$4" -v a1="$5" 'BEGIN {
        for (a = a0; a <= a1; a += 5)
            printf "%s %.2f,%.2f ", a == a0 ? "M" : "L", cx + r * cos(a * 3.14159265 / 180),
                cy + r * sin(a * 3.14159265 / 180)
    }'
}

# Wraps the MVG of one 128-unit tile, read from stdin, into its place on a sheet of TILE-pixel
# tiles.
tile() { # column row
    cat <<MVG
push graphic-context
  translate $(($1 * TILE)),$(($2 * TILE))
  scale $(awk -v t="$TILE" 'BEGIN { printf "%.6f", t / 128 }'),$(awk -v t="$TILE" \
      'BEGIN { printf "%.6f", t / 128 }')
$(cat)
pop graphic-context
MVG
}

# The chooser's tiles as listed above: the places that CDialogProfileSelection's group tiles and
# the shipped profiles' icon numbers (2002 to 2004) point at.
chooser_places=('0 0' '1 0' '2 0' '3 0' '4 0' '0 3')

chooser_tiles() {
    tile 0 0 <<MVG
  # A stack of photos.
  translate 64,64
  stroke '#5a5a5a' stroke-width 3 fill '#c9d6e6'
  push graphic-context
    rotate -14
    roundrectangle -40,-34 40,30 6,6
  pop graphic-context
  push graphic-context
    rotate 9
    fill '#dfe8f2'
    roundrectangle -42,-36 40,28 6,6
  pop graphic-context
  fill '#7fb8ea'
  roundrectangle -46,-26 46,42 6,6
  stroke none fill '#f6d24a'
  circle 22,-8 22,2
  fill '#3f8f4f'
  path 'M -43,39 L -12,0 L 10,26 L 22,14 L 43,39 Z'
MVG
    tile 1 0 <<MVG
  # A person.
  stroke none fill '#2f7fd8'
  circle 64,42 64,66
  path 'M 20,116 C 20,84 40,74 64,74 C 88,74 108,84 108,116 Z'
MVG
    tile 2 0 <<MVG
  # Contrast: a disc half dark and half light.
  stroke '#4a4a4a' stroke-width 4 fill '#f4f4f4'
  circle 64,64 64,18
  stroke none fill '#303030'
  path 'M 64,20 A 44,44 0 0,0 64,108 Z'
MVG
    tile 3 0 <<MVG
  # Rotation: an arc with an arrow head.
  stroke '#2e9d57' stroke-width 12 fill none stroke-linecap round stroke-linejoin round
  path '$(arc_path 64 66 38 0 265)'
  stroke none fill '#2e9d57'
  path 'M 58,8 L 88,28 L 58,48 Z'
MVG
    tile 4 0 <<MVG
  # Black and white: a landscape in greys.
  stroke '#3a3a3a' stroke-width 3 fill '#d0d0d0'
  roundrectangle 14,24 114,104 6,6
  stroke none fill '#f2f2f2'
  circle 88,46 88,56
  fill '#5c5c5c'
  path 'M 17,101 L 50,58 L 74,86 L 88,72 L 111,101 Z'
MVG
    tile 0 3 <<MVG
  # A wand with sparkles.
  stroke '#5a3b8c' stroke-width 12 stroke-linecap round
  line 28,104 80,52
  stroke '#f6d24a' stroke-width 12
  line 80,52 90,42
  stroke none fill '#e0a400'
  path 'M 100,10 L 105,24 L 119,29 L 105,34 L 100,48 L 95,34 L 81,29 L 95,24 Z'
  path 'M 52,16 L 55,24 L 63,27 L 55,30 L 52,38 L 49,30 L 41,27 L 49,24 Z'
  path 'M 108,62 L 111,70 L 119,73 L 111,76 L 108,84 L 105,76 L 97,73 L 105,70 Z'
MVG
}

# Clears the chooser's places on one filter sheet of the given tile size and draws its tiles
# there, at that size.
chooser_sheet() { # path tile
    local path=$1 TILE=$2 place column row clear=()
    [ "$(identify -format '%wx%h' "$path" 2>/dev/null)" = "$((18 * TILE))x$((6 * TILE))" ] || {
        echo "$path is missing or not 18 x 6 tiles of $TILE pixels:" \
            "run tools/make-filter-art.sh" >&2
        exit 1
    }
    for place in "${chooser_places[@]}"; do
        read -r column row <<<"$place"
        clear+=(\( -size "${TILE}x$TILE" xc:none \)
            -geometry "+$((column * TILE))+$((row * TILE))" -composite)
    done
    chooser_tiles >"$work/chooser.mvg"
    convert "$path" -compose Copy "${clear[@]}" -compose Over \
        -draw "$(grep -v '^ *#' "$work/chooser.mvg")" \
        -strip -define png:exclude-chunks=date,time "PNG32:$path"
}

chooser_sheet "$out/Icons-Filters-64@2x.png" 128
chooser_sheet "$out/Icons-Filters-64.png" 64
