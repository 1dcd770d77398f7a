#!/usr/bin/env bash
# Rebuilds the compiled-in icon strips under resources/icons/. Everything is drawn here with
# ImageMagick 6 `convert`, so a rebuild gives the same files byte for byte.
#
# Icons-Minimal: a row of four square icons (16 pixels, 32 in the @2x variant), left to right
# zoom to fit, actual size, zoom in, zoom out. The -Light variant carries dark glyphs for the
# light theme, the -Dark variant light glyphs for the dark theme; the background is
# transparent.
#
# The glyphs are drawn eight times larger than the 1x strip and shrunk by averaging, which
# gives exact edge coverage; they sit on whole pixels of the 1x grid so that they stay sharp.
#
# Usage: bash tools/make-icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/icons
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

supersample=8

# The glyphs of one strip in the coordinates of the 1x icon: x and y run from 0 to 16 across
# an icon, and pixel k covers [k, k + 1]. Fill and stroke take the glyph colour.
minimal_glyphs() {
    # Zoom to fit: four arrows pointing out to the corners, each the top left one mirrored.
    local mirror
    for mirror in 1,0,0,1,0,0 -1,0,0,1,16,0 1,0,0,-1,0,16 -1,0,0,-1,16,16; do
        cat <<EOF
push graphic-context
  affine $mirror
  stroke-width 1.4
  stroke-linecap butt
  line 1.6,1.6 6.5,6.5
  stroke none
  polygon 1,1 6,1 6,2 2,2 2,6 1,6
pop graphic-context
EOF
    done
    cat <<'EOF'
push graphic-context
  # Actual size: "1:1".
  translate 16,0
  stroke none
  path 'M 3,3 L 5,3 L 5,13 L 3,13 L 3,6 L 1.2,7 L 1.2,5 Z'
  rectangle 7,5 9,7
  rectangle 7,10 9,12
  path 'M 13,3 L 15,3 L 15,13 L 13,13 L 13,6 L 11.2,7 L 11.2,5 Z'
pop graphic-context
push graphic-context
  # Zoom in: a magnifier with a plus.
  translate 32,0
  fill none
  stroke-width 1.5
  circle 6.5,6.5 11.25,6.5
  stroke-width 2.6
  stroke-linecap round
  line 10.6,10.6 14.2,14.2
pop graphic-context
push graphic-context
  translate 32,0
  stroke none
  rectangle 4,6 9,7
  rectangle 6,4 7,9
pop graphic-context
push graphic-context
  # Zoom out: the magnifier with a minus.
  translate 48,0
  fill none
  stroke-width 1.5
  circle 6.5,6.5 11.25,6.5
  stroke-width 2.6
  stroke-linecap round
  line 10.6,10.6 14.2,14.2
pop graphic-context
push graphic-context
  translate 48,0
  stroke none
  rectangle 4,6 9,7
pop graphic-context
EOF
}

# Draws a strip of `count` icons in one colour, then writes its 1x and @2x variants.
strip() { # glyphs count colour base
    local size=$((16 * supersample)) mvg="$work/$4.mvg"
    # Supersampled pixel centres lie on whole numbers, hence the half-pixel shift.
    {
        echo "affine $supersample,0,0,$supersample,-0.5,-0.5"
        echo "fill '$3'"
        echo "stroke '$3'"
        "$1"
    } >"$mvg"
    # The transparent background has the glyph colour too, so averaging keeps the edges clean.
    # (The MVG goes in as text: ImageMagick's usual policy refuses "@file" arguments.)
    convert -size "$(($2 * size))x$size" "xc:$3" -alpha set -channel A -evaluate set 0 \
        +channel -draw "$(grep -v '^ *#' "$mvg")" "$work/$4.png"
    for scale in 1 2; do
        local suffix=""
        [ "$scale" -eq 2 ] && suffix="@2x"
        convert "$work/$4.png" -scale "$(($2 * 16 * scale))x$((16 * scale))" \
            -strip -define png:exclude-chunks=date,time "PNG32:$out/$4$suffix.png"
    done
}

strip minimal_glyphs 4 '#3a3a3a' Icons-Minimal-Light
strip minimal_glyphs 4 '#e4e4e4' Icons-Minimal-Dark
