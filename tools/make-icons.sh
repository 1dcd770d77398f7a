#!/usr/bin/env bash
# Rebuilds the compiled-in icons under resources/icons/. Everything is drawn here with
# ImageMagick 6 `convert`, so a rebuild gives the same files byte for byte.
#
# Icons-Minimal: a sheet of square icons (16 pixels, 32 in the @2x variant), six to a row. Row
# one, left to right: zoom to fit, actual size, zoom in, zoom out, then the Rename dialog's
# keyword buttons: add (a plus in brackets) and remove (a minus in brackets). Row two: undo and
# redo (the filter settings' history buttons) and, in the fifth place, a pencil (Step 2's custom
# name). The -Light variant carries dark glyphs for the light theme, the -Dark variant light glyphs for the dark theme; the background is
# transparent.
#
# Icons-WizardSteps: the main window's step buttons, five square icons of 32 pixels (64 in
# @2x), left to right add photos, edit photos, setup, process, help; light and dark variants
# as above, with a touch of the accent colour in each.
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
    # Add and remove keyword: brackets around a minus, and a bar that makes the first a plus.
    local left
    for left in 64 80; do
        cat <<EOF
push graphic-context
  translate $left,0
  stroke none
  rectangle 1,2 3,14
  rectangle 1,2 5,4
  rectangle 1,12 5,14
  rectangle 13,2 15,14
  rectangle 11,2 15,4
  rectangle 11,12 15,14
  rectangle 5,7 11,9
pop graphic-context
EOF
    done
    cat <<'EOF'
push graphic-context
  translate 64,0
  stroke none
  rectangle 7,5 9,11
pop graphic-context
EOF
}

accent='rgb(38,163,226)'

# A photo in a 32-pixel icon: a frame of two pixels, a sun and two hills.
wizard_photo() {
    cat <<'EOF'
push graphic-context
  fill none
  stroke-width 2
  roundrectangle 3,6 25,24 1,1
pop graphic-context
push graphic-context
  stroke none
  circle 9.5,11.5 11.5,11.5
  polygon 4,23 10.5,15.5 14.5,19.5 17.5,16.5 24,23
pop graphic-context
EOF
}

wizard_glyphs() {
    wizard_photo
    echo "push graphic-context"
    echo "  translate 32,0"
    wizard_photo
    echo "pop graphic-context"
    cat <<'EOF'
push graphic-context
  # Setup: a gear of eight teeth; the hole and the hub come later.
  translate 64,0
  stroke none
  circle 16,16 27,16
EOF
    local angle
    for angle in 0 45 90 135; do
        echo "  push graphic-context"
        echo "    translate 16,16"
        echo "    rotate $angle"
        echo "    rectangle -3,-14 3,14"
        echo "  pop graphic-context"
    done
    cat <<'EOF'
pop graphic-context
push graphic-context
  # Process and help: a ring; the arrow and the question mark's dot are accents.
  fill none
  stroke-width 2
  circle 112,16 125,16
  circle 144,16 157,16
pop graphic-context
push graphic-context
  translate 128,0
  fill none
  stroke-width 3.2
  stroke-linecap butt
  stroke-linejoin round
  path 'M 11.6,12.6 A 4.4,4.4 0 1 1 18.9,15.9 C 17.3,17.2 16,17.8 16,19.5 L 16,20'
pop graphic-context
EOF
}

# Erased from the glyphs so that the accents stand free of them.
wizard_cutouts() {
    cat <<'EOF'
push graphic-context
  stroke none
  rectangle 20,15 29,32
  rectangle 15,20 32,29
pop graphic-context
push graphic-context
  translate 32,0
  translate 14.5,29.5
  rotate -45
  stroke none
  polygon -3,0 4,-5.5 23,-5.5 23,5.5 4,5.5
pop graphic-context
push graphic-context
  translate 64,0
  stroke none
  circle 16,16 22,16
pop graphic-context
EOF
}

# The pencil's tip and cap are drawn here too, in the glyph colour, as the cut-outs took them.
wizard_accents() {
    cat <<EOF
push graphic-context
  # Add: a plus over the photo's corner.
  stroke none
  rectangle 23,17 26,30
  rectangle 18,22 31,25
pop graphic-context
push graphic-context
  translate 32,0
  translate 14.5,29.5
  rotate -45
  stroke none
  rectangle 6,-3 16,3
  fill '$glyph_colour'
  polygon 0,0 5,-3 5,3
  rectangle 17,-3 21,3
pop graphic-context
push graphic-context
  translate 64,0
  stroke none
  circle 16,16 19,16
pop graphic-context
push graphic-context
  translate 96,0
  stroke-width 1.5
  stroke-linejoin round
  polygon 13.75,10.75 22.5,16 13.75,21.25
pop graphic-context
push graphic-context
  translate 128,0
  stroke none
  circle 16,24 18,24
pop graphic-context
EOF
}

# Undo: a bent arrow pointing left; redo: the same mirrored, in the next icon.
history_glyphs() {
    local mirror
    for mirror in 1,0,0,1,0,0 -1,0,0,1,32,0; do
        cat <<EOF
push graphic-context
  affine $mirror
  fill none
  stroke-width 1.7
  path 'M 13.5,13 C 13.5,8.5 10.5,6.5 5.5,6.5'
pop graphic-context
push graphic-context
  affine $mirror
  stroke none
  polygon 1.5,6.5 6.5,2.5 6.5,10.5
pop graphic-context
EOF
    done
    cat <<'EOF'
push graphic-context
  # A pencil, point down to the left.
  translate 64,0
  stroke none
  polygon 10.5,2 14,5.5 6,13.5 2.5,10
  polygon 2,10.6 5.4,14 1.5,14.5
pop graphic-context
EOF
}

# The MVG of one layer: the supersampling transform, the colour, then the drawing.
layer_mvg() { # glyphs colour
    # Supersampled pixel centres lie on whole numbers, hence the half-pixel shift.
    {
        echo "affine $supersample,0,0,$supersample,-0.5,-0.5"
        echo "fill '$2'"
        echo "stroke '$2'"
        "$1"
    } | grep -v '^ *#'
}

# Appends to the named array the arguments of a transparent canvas whose colour is the
# layer's, so that averaging keeps the edges clean.
canvas() { # array size colour
    local -n into=$1
    into+=(-size "$2" "xc:$3" -alpha set -channel A -evaluate set 0 +channel)
}

# Draws a strip of `count` square icons of `icon` pixels in the glyph colour, optionally
# erases the cut-outs and adds the accents, then writes its 1x and @2x variants.
strip() { # glyphs count colour base [icon [cutouts accents]]
    local icon=${5:-16} glyph_colour=$3 # glyph_colour: for the drawings of other layers
    local size=$((icon * supersample))
    local geometry="$(($2 * size))x$size"
    local args=()
    # (The MVG goes in as text: ImageMagick's usual policy refuses "@file" arguments.)
    canvas args "$geometry" "$3"
    args+=(-draw "$(layer_mvg "$1" "$3")")
    if [ $# -ge 7 ]; then
        args+=('(')
        canvas args "$geometry" black
        args+=(-draw "$(layer_mvg "$6" black)" ')' -compose DstOut -composite '(')
        canvas args "$geometry" "$accent"
        args+=(-draw "$(layer_mvg "$7" "$accent")" ')' -compose Over -composite)
    fi
    convert "${args[@]}" "$work/$4.png"
    for scale in 1 2; do
        local suffix=""
        [ "$scale" -eq 2 ] && suffix="@2x"
        convert "$work/$4.png" -scale "$(($2 * icon * scale))x$((icon * scale))" \
            -strip -define png:exclude-chunks=date,time "PNG32:$out/$4$suffix.png"
    done
}

for variant in 'Light #3a3a3a' 'Dark #e4e4e4'; do
    set -- $variant
    strip minimal_glyphs 6 "$2" "Icons-Minimal-$1"
    strip history_glyphs 6 "$2" "History-$1"
    for suffix in "" "@2x"; do
        convert "$out/Icons-Minimal-$1$suffix.png" "$out/History-$1$suffix.png" -background none \
            -append -strip -define png:exclude-chunks=date,time "PNG32:$out/Icons-Minimal-$1$suffix.png"
        rm "$out/History-$1$suffix.png"
    done
done
strip wizard_glyphs 5 '#3a3a3a' Icons-WizardSteps-Light 32 wizard_cutouts wizard_accents
strip wizard_glyphs 5 '#e4e4e4' Icons-WizardSteps-Dark 32 wizard_cutouts wizard_accents
