#!/usr/bin/env bash
# Rebuilds the welcome wizard's side picture under resources/wizardstart/:
# WizardStart-Wizard.png (130 x 250) and its @2x variant. Drawn here with ImageMagick 6
# `convert`, so a rebuild gives the same files byte for byte.
#
# Not themed: it carries its own background, the blue gradient of the tip banner, with the
# three steps of the main window as white discs on a line: a photo, a filter chain and the
# output folder.
#
# Drawn eight times larger than the 1x picture and shrunk by averaging for clean edges.
#
# Usage: bash tools/make-wizard-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/wizardstart
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

width=130
height=250
supersample=8 # relative to the 1x picture

# The drawing in the coordinates of the 1x picture.
wizard_mvg() {
    cat <<'MVG'
# The path through the steps.
stroke 'rgba(255,255,255,0.55)'
stroke-width 3
line 65,55 65,195
stroke none
# Step discs.
fill white
circle 65,55 65,30
circle 65,125 65,100
circle 65,195 65,170
# Step 1, a photo: frame, sun and hills.
fill '#2f80c8'
roundrectangle 49,44 81,68 2,2
fill white
rectangle 52,47 78,65
fill '#f0b43c'
circle 72,52 72,55
fill '#2f80c8'
path 'M 52,65 L 60,54 L 66,61 L 70,57 L 78,65 Z'
# Step 2, filters: three sliders.
stroke '#2f80c8'
stroke-width 2.5
stroke-linecap round
line 51,115 79,115
line 51,125 79,125
line 51,135 79,135
stroke none
fill '#173f6e'
circle 58,115 58,119
circle 72,125 72,129
circle 62,135 62,139
# Step 3, output: a folder.
fill '#2f80c8'
path 'M 49,186 L 60,186 L 63,190 L 81,190 L 81,206 L 49,206 Z'
fill '#5aa5e6'
path 'M 49,206 L 53,193 L 85,193 L 81,206 Z'
MVG
}

big="$((width * supersample))x$((height * supersample))"
{
    echo "affine $supersample,0,0,$supersample,0,0"
    wizard_mvg
} | grep -v '^ *#' >"$work/wizard.mvg"

# (The MVG goes in as text: ImageMagick's usual policy refuses "@file" arguments.)
convert -size "$big" gradient:'#3d95dd-#173f6e' -draw "$(cat "$work/wizard.mvg")" \
    "$work/wizard.png"
for scale in 1 2; do
    suffix=""
    [ "$scale" -eq 2 ] && suffix="@2x"
    convert "$work/wizard.png" -filter Box -resize "$((width * scale))x$((height * scale))!" \
        -strip -define png:exclude-chunks=date,time "PNG24:$out/WizardStart-Wizard$suffix.png"
done
