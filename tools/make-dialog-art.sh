#!/usr/bin/env bash
# Rebuilds the tip dialog's banner under resources/dialogtip/: DialogTip-Banner.png (141 x 400)
# and its @2x variant. Drawn here with ImageMagick 6 `convert`, so a rebuild gives the same
# files byte for byte.
#
# The banner is not themed: the same picture sits in the light and the dark theme and in
# Monitor, so it carries its own background, a blue gradient with a white light bulb near the
# top. The dialog shows only its upper part when the window is lower than 400 pixels; nothing
# below the bulb matters.
#
# Drawn four times larger than the @2x picture and shrunk by averaging for clean edges.
#
# Usage: bash tools/make-dialog-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/dialogtip
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

width=141
height=400
supersample=8 # relative to the 1x picture

# The drawing in the coordinates of the 1x picture.
banner_mvg() {
    cat <<'MVG'
# Soft halo behind the bulb.
fill 'rgba(255,255,255,0.10)'
circle 70.5,78 70.5,20
fill 'rgba(255,255,255,0.08)'
circle 70.5,78 70.5,34
# Rays.
stroke 'rgba(255,255,255,0.85)'
stroke-width 3
stroke-linecap round
line 70.5,14 70.5,22
line 34,40 40,46
line 107,40 101,46
line 20,74 28,74
line 121,74 113,74
# The glass.
stroke none
fill white
path 'M 70.5,38 C 90,38 102,52 102,70 C 102,84 93,92 88,100 C 85,105 84,109 84,113 L 57,113 C 57,109 56,105 53,100 C 48,92 39,84 39,70 C 39,52 51,38 70.5,38 Z'
# The base: two rings, then the cap.
fill '#e2ecf6'
roundrectangle 56,117 85,122 2.5,2.5
roundrectangle 56,125 85,130 2.5,2.5
path 'M 60,133 L 81,133 C 80,139 76,142 70.5,142 C 65,142 61,139 60,133 Z'
# The glint on the glass: a short tilted bar.
push graphic-context
  translate 57,62
  rotate 35
  fill '#2f80c8'
  roundrectangle -2,-9 2,9 2,2
pop graphic-context
MVG
}

big="$((width * supersample))x$((height * supersample))"
{
    echo "affine $supersample,0,0,$supersample,0,0"
    banner_mvg
} | grep -v '^ *#' >"$work/banner.mvg"

# (The MVG goes in as text: ImageMagick's usual policy refuses "@file" arguments.)
convert -size "$big" gradient:'#3d95dd-#173f6e' -draw "$(cat "$work/banner.mvg")" \
    "$work/banner.png"
for scale in 1 2; do
    suffix=""
    [ "$scale" -eq 2 ] && suffix="@2x"
    convert "$work/banner.png" -filter Box -resize "$((width * scale))x$((height * scale))!" \
        -strip -define png:exclude-chunks=date,time "PNG24:$out/DialogTip-Banner$suffix.png"
done
