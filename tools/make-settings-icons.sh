#!/usr/bin/env bash
# Rebuilds the tab icons of the program settings dialog under resources/settings/ with
# ImageMagick 6 `convert`: Settings.png, a row of two 32-pixel icons (General, Image Formats),
# and Settings@2x.png at 64 pixels. They are not themed, so they carry their own colours
# and read on light and dark tabs alike. Drawn eight times larger and shrunk by averaging.
#
# Usage: bash tools/make-settings-icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/settings
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

supersample=8

# A gear of ten teeth around (16, 16) in the coordinates of one 32-pixel icon.
gear_points() {
    awk 'BEGIN {
        pi = atan2(0, -1); teeth = 10; outer = 14.5; inner = 11.2; points = "";
        split("0 0.12 0.2 0.5 0.62 0.7", frac, " ");
        split("0 0 1 1 0 0", isOuter, " ");
        for (i = 0; i < teeth; ++i) {
            for (k = 1; k <= 6; ++k) {
                r = isOuter[k] ? outer : inner;
                a = 2 * pi * (i + frac[k]) / teeth;
                points = points sprintf("%.3f,%.3f ", 16 + r * cos(a), 16 + r * sin(a));
            }
        }
        print points;
    }'
}

# Both icons in the coordinates of the 1x strip: x from 0 to 64, y from 0 to 32.
glyphs() {
    cat <<MVG
push graphic-context
  # General: a steel-blue gear with a hole that lets the tab show through.
  fill '#4d7fc0'
  stroke '#274a7a'
  stroke-width 1
  fill-rule evenodd
  path 'M $(gear_points) Z M 11.5,16 A 4.5,4.5 0 1,0 20.5,16 A 4.5,4.5 0 1,0 11.5,16 Z'
pop graphic-context
push graphic-context
  # Image Formats: a second photo behind a landscape photo.
  translate 32,0
  stroke '#5a5a5a'
  stroke-width 1
  fill '#e6e6e6'
  roundrectangle 9.5,3.5 29.5,21.5 1.5,1.5
  fill '#ffffff'
  roundrectangle 2.5,9.5 24.5,28.5 1.5,1.5
  stroke none
  fill '#7fb8ec'
  rectangle 4.5,11.5 22.5,26.5
  fill '#ffd23c'
  circle 18,15.5 20,15.5
  fill '#3f9a4a'
  polygon 4.5,26.5 4.5,22 9.5,16.5 14.5,22.5 17,20 22.5,25 22.5,26.5
pop graphic-context
MVG
}

for scale in 1 2; do
    name=Settings.png
    [ "$scale" = 2 ] && name=Settings@2x.png
    factor=$((scale * supersample))
    { echo "affine $factor,0,0,$factor,0,0"; glyphs; } >"$work/glyphs.mvg"
    convert -size $((64 * factor))x$((32 * factor)) xc:none -draw "$(grep -v '^ *#' "$work/glyphs.mvg")" \
        -filter Box -resize $((64 * scale))x$((32 * scale)) \
        -define png:exclude-chunks=date,time -strip "PNG32:$out/$name"
done
echo "Wrote $out/Settings.png and $out/Settings@2x.png"
