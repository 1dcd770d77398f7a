#!/usr/bin/env bash
# Rebuilds the thumbnail lists' pictures under resources/thumbs/ with ImageMagick 6 `convert`,
# each in a "-Light" and a "-Dark" variant and at "@2x":
# - Thumb-Placeholder (64 x 64): a photo outline (frame, sun, hills), the icon of an item
#   whose own icon is missing (a photo that could not be read, an icon index off the strip);
# - Overlay-Symbol (96 x 96): a faint stack of photos, drawn in a corner of the profile chooser;
# - Add (40 x 40, one variant for both themes): a plus in a ring, drawn in the middle of an
#   empty photo list below its hints.
# Drawn eight times larger and shrunk by averaging for clean edges.
#
# Usage: bash tools/make-thumb-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/thumbs
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
supersample=8

placeholder_mvg() { # colour
    cat <<MVG
fill none
stroke '$1'
stroke-width 3
roundrectangle 8,14 56,50 4,4
stroke none
fill '$1'
circle 45,24 45,29
path 'M 12,47 L 27,28 L 37,39 L 43,33 L 53,47 Z'
MVG
}

symbol_mvg() { # colour
    cat <<MVG
fill none
stroke '$1'
stroke-width 3
roundrectangle 30,14 84,58 4,4
roundrectangle 22,24 76,68 4,4
fill '$1'
fill-opacity 0.35
roundrectangle 12,34 66,80 4,4
stroke none
fill-opacity 1
circle 52,48 52,53
path 'M 16,76 L 31,56 L 41,66 L 47,60 L 62,76 Z'
MVG
}

add_mvg() { # colour
    cat <<MVG
fill none
stroke '$1'
stroke-width 2.5
circle 20,20 20,3
stroke-width 3.5
line 20,11 20,29
line 11,20 29,20
MVG
}

draw() { # name size mvg-function colour
    local name=$1 size=$2 mvg=$3 colour=$4
    { echo "affine $supersample,0,0,$supersample,0,0"; "$mvg" "$colour"; } >"$work/$name.mvg"
    convert -size "$((size * supersample))x$((size * supersample))" xc:none \
        -draw "$(cat "$work/$name.mvg")" "$work/$name.png"
    for scale in 1 2; do
        suffix=""
        [ "$scale" -eq 2 ] && suffix="@2x"
        convert "$work/$name.png" -filter Box -resize "$((size * scale))x$((size * scale))!" \
            -strip -define png:exclude-chunks=date,time "PNG32:$out/$name$suffix.png"
    done
}

draw Thumb-Placeholder-Light 64 placeholder_mvg '#8c8c8c'
draw Thumb-Placeholder-Dark 64 placeholder_mvg '#a8a8a8'
draw Overlay-Symbol-Light 96 symbol_mvg '#c8c8c8'
draw Overlay-Symbol-Dark 96 symbol_mvg '#5a5a5a'
draw Add 40 add_mvg '#bebebe'
