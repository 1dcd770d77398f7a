#!/usr/bin/env bash
# Rebuilds the preview's pictures under resources/preview/ with ImageMagick 6 `convert`:
# - Preview-Placeholder.png (128 x 96) and @2x: a grey photo outline (frame, sun, hills) on a
#   transparent ground, shown while no photo is previewed;
# - Cursor-Rotate.png (24 x 24) and @2x: a circular arrow, the rotate cursor of the overlays.
# Drawn eight times larger and shrunk by averaging for clean edges.
#
# Usage: bash tools/make-preview-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/preview
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
supersample=8

placeholder_mvg() {
    cat <<'MVG'
fill none
stroke '#8c8c8c'
stroke-width 4
roundrectangle 24,14 104,82 6,6
stroke none
fill '#8c8c8c'
circle 84,32 84,39
path 'M 28,78 L 52,46 L 68,64 L 78,54 L 100,78 Z'
MVG
}

cursor_mvg() {
    cat <<'MVG'
fill none
stroke black
stroke-width 4.5
path 'M 19,12 A 7,7 0 1 1 12,5'
stroke white
stroke-width 2
path 'M 19,12 A 7,7 0 1 1 12,5'
stroke black
stroke-width 1
fill white
path 'M 11,1 L 17,5 L 11,9 Z'
MVG
}

draw() { # name width height mvg-function
    local name=$1 width=$2 height=$3 mvg=$4
    { echo "affine $supersample,0,0,$supersample,0,0"; "$mvg"; } >"$work/$name.mvg"
    convert -size "$((width * supersample))x$((height * supersample))" xc:none \
        -draw "$(cat "$work/$name.mvg")" "$work/$name.png"
    for scale in 1 2; do
        suffix=""
        [ "$scale" -eq 2 ] && suffix="@2x"
        convert "$work/$name.png" -filter Box -resize "$((width * scale))x$((height * scale))!" \
            -strip -define png:exclude-chunks=date,time "PNG32:$out/$name$suffix.png"
    done
}

draw Preview-Placeholder 128 96 placeholder_mvg
draw Cursor-Rotate 24 24 cursor_mvg
