#!/usr/bin/env bash
# Rebuilds the filter icon sheets, drawn with ImageMagick 6 `convert` (font: DejaVu Sans Bold,
# package fonts-dejavu-core):
#   resources/filters/Icons-Filters-32.png   the applied filters of Step 2 (shown plain, so it
#                                            must read well at 32 pixels)
#   resources/filters/Icons-Filters-48.png   the filter picker's category buttons
#   resources/profiles/Icons-Filters-64.png  the filter picker's list and the profile chooser
# each with its "@2x" variant at twice the tile size.
#
# Every sheet has eighteen columns and six rows of square tiles, the same art in the same
# places. Row 0 holds general pictures: column 0 is "all filters". The rows below hold one
# tile per filter, from the top Annotate, Transform, Touch-Up, Effects and Border, each in the
# catalogue's order within the group (its `order`, from 0); Watermark-Logo and Watermark-Mask
# share their tile. The colour of a tile's accent says its group. Not themed: the colours read
# on light and dark backgrounds alike. Every tile is drawn in a 128-unit square, scaled to the
# sheet's tile size, so each size is drawn afresh rather than shrunk from a bigger one.
#
# The profile chooser's tiles replace row 0 columns 0 to 4 and row 3 column 0 (Auto Contrast's
# place, which shows the chooser's wand there) of the 64 sheets: this script ends by running
# tools/make-profile-art.sh, which draws them over what it wrote. Run this one after changing
# the art here; that one alone redraws only the chooser's own tiles.
#
# Usage: bash tools/make-filter-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

mkdir -p resources/filters resources/profiles
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=DejaVu-Sans-Bold
columns=18
rows=6

# Outline and the group accents.
ink='#4a4a4a'
rim='#8c8c8c' # outline of dark shapes, which must still show on a dark background
annotate='#2f7fd8'
transform='#2e9d57'
touchup='#e08a1e'
effects='#8a5cc7'
border='#a0652d'

# Wraps the MVG of one 128-unit tile, read from stdin, into its place on the sheet. TILE is
# the sheet's tile size in pixels, SCALE that size over 128.
tile() { # column row
    cat <<MVG
push graphic-context
  translate $(($1 * TILE)),$(($2 * TILE))
  scale $SCALE,$SCALE
$(cat)
pop graphic-context
MVG
}

# A polyline through points computed by awk: "M x,y L x,y ...". Used for arcs, waves and the
# spiral, which MVG has no primitive for. ImageMagick 6 strokes an open path (polyline or curve)
# with its default mitred joins as if it were closed, with a band back to its start: every open
# stroked path here takes round joins.
arc_path() { # cx cy radius a0 a1 (degrees, clockwise on screen, 0 at the right)
    awk -v cx="$1" -v cy="$2" -v r="$3" -v a0="$4" -v a1="$5" 'BEGIN {
        for (a = a0; a <= a1; a += 5)
            printf "%s %.2f,%.2f ", a == a0 ? "M" : "L", cx + r * cos(a * 3.14159265 / 180),
                cy + r * sin(a * 3.14159265 / 180)
    }'
}

# A triangular arrow head at the end of a clockwise arc_path that ends at angle a.
arc_arrow_head() { # cx cy radius a size
    awk -v cx="$1" -v cy="$2" -v r="$3" -v a="$4" -v s="$5" 'BEGIN {
        t = a * 3.14159265 / 180
        ex = cx + r * cos(t); ey = cy + r * sin(t)
        dx = -sin(t); dy = cos(t) # the direction of travel
        nx = cos(t); ny = sin(t)
        printf "M %.2f,%.2f L %.2f,%.2f L %.2f,%.2f Z", ex + s * dx, ey + s * dy,
            ex + 0.8 * s * nx, ey + 0.8 * s * ny, ex - 0.8 * s * nx, ey - 0.8 * s * ny
    }'
}

wave_path() { # x0 x1 y amplitude period
    awk -v x0="$1" -v x1="$2" -v y="$3" -v a="$4" -v p="$5" 'BEGIN {
        for (x = x0; x <= x1; x += 2)
            printf "%s %.2f,%.2f ", x == x0 ? "M" : "L", x, y + a * sin((x - x0) * 6.2831853 / p)
    }'
}

spiral_path() { # cx cy turns outer-radius
    awk -v cx="$1" -v cy="$2" -v n="$3" -v r="$4" 'BEGIN {
        steps = n * 72
        for (i = 0; i <= steps; ++i) {
            a = i * 6.2831853 / 72
            d = r * i / steps
            printf "%s %.2f,%.2f ", i == 0 ? "M" : "L", cx + d * cos(a), cy + d * sin(a)
        }
    }'
}

# A small landscape photo: frame, sky, sun and hills, in the given colours.
photo() { # x0 y0 x1 y1 sky hill sun
    local x0=$1 y0=$2 x1=$3 y1=$4
    cat <<MVG
  stroke '$ink' stroke-width 4 fill '$5'
  rectangle $x0,$y0 $x1,$y1
  stroke none fill '$7'
  circle $((x1 - (x1 - x0) / 4)),$((y0 + (y1 - y0) / 3)) $((x1 - (x1 - x0) / 4 + (y1 - y0) / 9)),$((y0 + (y1 - y0) / 3))
  fill '$6'
  path 'M $((x0 + 2)),$((y1 - 2)) L $((x0 + (x1 - x0) * 3 / 10)),$((y0 + (y1 - y0) / 2)) L $((x0 + (x1 - x0) / 2)),$((y1 - (y1 - y0) / 4)) L $((x0 + (x1 - x0) * 13 / 20)),$((y0 + (y1 - y0) * 3 / 5)) L $((x1 - 2)),$((y1 - 2)) Z'
MVG
}

# A letter "A" badge in the bottom-right corner: the automatic variant of a filter. Larger on
# 32-pixel tiles, where the usual one leaves the letter a blur of seven pixels.
auto_badge() { # colour
    if ((TILE > 32)); then
        cat <<MVG
  stroke white stroke-width 4 fill '$1'
  circle 100,100 100,124
  stroke none fill white font '$font' font-size 30 text-anchor middle
  text 100,111 'A'
MVG
    else
        cat <<MVG
  stroke white stroke-width 4 fill '$1'
  circle 98,98 98,126
  stroke none fill white font '$font' font-size 36 text-anchor middle
  text 98,111 'A'
MVG
    fi
}

# A histogram of bars at the given heights (from a baseline at y 100).
histogram() { # colour heights...
    local colour=$1 x=20 h
    shift
    echo "  stroke none fill '$colour'"
    for h in "$@"; do
        echo "  rectangle $x,$((100 - h)) $((x + 9)),100"
        x=$((x + 11))
    done
    echo "  stroke '$ink' stroke-width 4"
    echo "  line 14,102 114,102"
}

draw_tiles() {
    # Row 0, column 0: all filters, four tiles in the group colours.
    tile 0 0 <<MVG
  stroke '$ink' stroke-width 4
  fill '$annotate'
  roundrectangle 14,14 60,60 8,8
  fill '$transform'
  roundrectangle 68,14 114,60 8,8
  fill '$touchup'
  roundrectangle 14,68 60,114 8,8
  fill '$effects'
  roundrectangle 68,68 114,114 8,8
MVG

    # Annotate.
    tile 0 1 <<MVG
  # Comment: a speech balloon with lines of text.
  stroke '$ink' stroke-width 4 fill white
  path 'M 20,18 L 108,18 Q 116,18 116,26 L 116,78 Q 116,86 108,86 L 46,86 L 24,110 L 28,86 L 20,86 Q 12,86 12,78 L 12,26 Q 12,18 20,18 Z'
  stroke '$annotate' stroke-width 7 stroke-linecap round
  line 30,38 98,38
  line 30,53 98,53
  line 30,68 76,68
MVG
    tile 1 1 <<MVG
  # Date: a calendar leaf.
  stroke '$ink' stroke-width 4 fill white
  roundrectangle 16,22 112,114 8,8
  fill '$annotate'
  path 'M 16,30 Q 16,22 24,22 L 104,22 Q 112,22 112,30 L 112,48 L 16,48 Z'
  stroke '$ink' stroke-width 6 stroke-linecap round
  line 40,12 40,32
  line 88,12 88,32
  stroke none fill '$ink' font '$font' font-size 48 text-anchor middle
  text 64,102 '31'
MVG
    tile 2 1 <<MVG
  # Watermark-Text: a copyright sign over a photo.
$(photo 10 22 118 106 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke '$annotate' stroke-width 8 fill '#ffffffb0'
  circle 64,64 64,28
  stroke none fill '$annotate' font '$font' font-size 44 text-anchor middle
  text 64,80 'C'
MVG
    tile 3 1 <<MVG
  # Watermark-Logo and Watermark-Mask: a photo with a see-through emblem in its corner.
$(photo 10 22 118 106 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke white stroke-width 3 fill '${annotate}c0'
  path 'M 86,56 L 93,74 L 112,75 L 97,87 L 102,105 L 86,95 L 70,105 L 75,87 L 60,75 L 79,74 Z'
MVG

    # Transform.
    tile 0 2 <<MVG
  # Auto Rotate: a turning arrow around a photo.
$(photo 34 40 94 88 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke '$transform' stroke-width 9 fill none stroke-linecap round stroke-linejoin round
  path '$(arc_path 64 70 48 195 315)'
  stroke none fill '$transform'
  path '$(arc_arrow_head 64 70 48 315 18)'
$(auto_badge "$transform")
MVG
    tile 1 2 <<MVG
  # Auto Crop: crop corners around a photo.
$(photo 26 30 100 90 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke none fill '$transform'
  path 'M 92,9.5 L 120.5,9.5 L 120.5,38 L 111.5,38 L 111.5,18.5 L 92,18.5 Z'
  path 'M 7.5,84 L 16.5,84 L 16.5,103.5 L 36,103.5 L 36,112.5 L 7.5,112.5 Z'
$(auto_badge "$transform")
MVG
    tile 2 2 <<MVG
  # Color Replace: one colour swatch becomes another.
  stroke '$ink' stroke-width 4 fill '#d23b34'
  roundrectangle 10,20 58,68 6,6
  fill '#2f7fd8'
  roundrectangle 70,60 118,108 6,6
  stroke '$transform' stroke-width 8 fill none stroke-linecap round stroke-linejoin round
  path 'M 34,78 Q 34,96 58,96'
  stroke none fill '$transform'
  path 'M 54,84 L 68,96 L 54,108 Z'
MVG
    tile 3 2 <<MVG
  # Crop: two crossing crop marks.
  stroke none fill '$rim'
  rectangle 28,8 40,100
  rectangle 28,88 120,100
  fill '$transform'
  rectangle 8,28 100,40
  rectangle 88,28 100,120
MVG
    tile 4 2 <<MVG
  # Flip: a shape and its mirror image across a dashed axis.
  stroke '$ink' stroke-width 4 fill '$transform'
  path 'M 56,24 L 56,104 L 12,104 Z'
  fill white
  path 'M 72,24 L 72,104 L 116,104 Z'
  stroke '$ink' stroke-width 4 stroke-dasharray 8,6
  line 64,10 64,118
MVG
    tile 5 2 <<MVG
  # Resize: a small picture grows into a big one.
  stroke '$ink' stroke-width 4 fill '#eef3f8' stroke-dasharray 8,6
  rectangle 12,12 116,116
  stroke-dasharray none
$(photo 12 64 64 116 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke '$transform' stroke-width 8 fill none stroke-linecap round
  line 70,58 98,30
  stroke none fill '$transform'
  path 'M 108,20 L 104,48 L 80,24 Z'
MVG
    tile 6 2 <<MVG
  # Resize Advanced: a page with its resolution.
  stroke '$ink' stroke-width 4 fill white
  path 'M 26,8 L 84,8 L 106,30 L 106,120 L 26,120 Z'
  fill '#d8d8d8'
  path 'M 84,8 L 84,30 L 106,30 Z'
  stroke none fill '$transform'
  roundrectangle 10,58 118,96 8,8
  fill white font '$font' font-size 30 text-anchor middle
  text 64,88 'DPI'
MVG
    tile 7 2 <<MVG
  # Roll: the picture slides out on one side and back in on the other.
$(photo 20 28 108 100 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke '$transform' stroke-width 8 fill none stroke-linecap round
  line 30,64 88,64
  stroke none fill '$transform'
  path 'M 84,50 L 108,64 L 84,78 Z'
  path 'M 20,50 L 4,64 L 20,78 Z'
MVG
    tile 8 2 <<MVG
  # Rotate: an arc with an arrow head.
  stroke '$transform' stroke-width 12 fill none stroke-linecap round stroke-linejoin round
  path '$(arc_path 64 66 38 0 265)'
  stroke none fill '$transform'
  path 'M 58,8 L 88,28 L 58,48 Z'
MVG
    tile 9 2 <<MVG
  # Thumbnail: a big photo and its small copy.
$(photo 8 12 92 80 '#bcd8f0' '#7fae7f' '#f6d24a')
$(photo 76 76 120 112 '#bcd8f0' '#7fae7f' '#f6d24a')
MVG

    # Touch-Up.
    tile 0 3 <<MVG
  # Auto Contrast: a disc half dark, half light.
  stroke '$rim' stroke-width 4 fill '#f4f4f4'
  circle 56,56 56,12
  stroke none fill '#303030'
  path 'M 56,14 A 42,42 0 0,0 56,98 Z'
$(auto_badge "$touchup")
MVG
    tile 1 3 <<MVG
  # Auto Gamma: a gamma curve on a grid.
  stroke '$ink' stroke-width 4 fill white
  rectangle 12,12 100,100
  stroke '#c8c8c8' stroke-width 2
  line 56,12 56,100
  line 12,56 100,56
  stroke '$touchup' stroke-width 7 fill none stroke-linecap round stroke-linejoin round
  path 'M 12,100 Q 24,24 100,12'
$(auto_badge "$touchup")
MVG
    tile 2 3 <<MVG
  # Auto Levels: a histogram.
$(histogram "$touchup" 10 24 44 64 72 58 40 30 18)
$(auto_badge "$touchup")
MVG
    tile 3 3 <<MVG
  # Brightness: a sun.
  stroke '$touchup' stroke-width 8 stroke-linecap round
  line 64,8 64,22
  line 64,106 64,120
  line 8,64 22,64
  line 106,64 120,64
  line 24,24 34,34
  line 94,94 104,104
  line 24,104 34,94
  line 94,34 104,24
  stroke '$ink' stroke-width 4 fill '#f6d24a'
  circle 64,64 64,32
MVG
    tile 4 3 <<MVG
  # Contrast: a disc half dark, half light.
  stroke '$rim' stroke-width 4 fill '#f4f4f4'
  circle 64,64 64,18
  stroke none fill '#303030'
  path 'M 64,20 A 44,44 0 0,0 64,108 Z'
MVG
    tile 5 3 <<MVG
  # Color Balance: three overlapping colour discs, on white so that a dark ground does not
  # muddy them.
  stroke none fill white
  circle 64,44 64,10
  circle 44,80 44,46
  circle 84,80 84,46
  stroke '$ink' stroke-width 3
  fill '#e0404080'
  circle 64,44 64,10
  fill '#40b04080'
  circle 44,80 44,46
  fill '#4060e080'
  circle 84,80 84,46
MVG
    tile 6 3 <<MVG
  # Equalize: bars of even height.
$(histogram "$touchup" 48 52 46 50 48 52 46 50 48)
MVG
    tile 7 3 <<MVG
  # Hue/Saturation: a colour wheel.
  stroke none
  fill '#e03c3c'
  path 'M 64,64 L 64,14 A 50,50 0 0,1 107.3,39 Z'
  fill '#e0c83c'
  path 'M 64,64 L 107.3,39 A 50,50 0 0,1 107.3,89 Z'
  fill '#3cb450'
  path 'M 64,64 L 107.3,89 A 50,50 0 0,1 64,114 Z'
  fill '#3cb4c8'
  path 'M 64,64 L 64,114 A 50,50 0 0,1 20.7,89 Z'
  fill '#3c5ae0'
  path 'M 64,64 L 20.7,89 A 50,50 0 0,1 20.7,39 Z'
  fill '#b43cc8'
  path 'M 64,64 L 20.7,39 A 50,50 0 0,1 64,14 Z'
  stroke '$ink' stroke-width 4 fill none
  circle 64,64 64,14
  fill white
  circle 64,64 64,46
MVG
    tile 8 3 <<MVG
  # Levels: a histogram over the black, grey and white point sliders.
$(histogram '#8c8c8c' 8 20 38 56 64 50 34 22 12)
  stroke '$rim' stroke-width 3
  fill '#202020'
  path 'M 18,106 L 28,122 L 8,122 Z'
  fill '#909090'
  path 'M 64,106 L 74,122 L 54,122 Z'
  fill white
  path 'M 110,106 L 120,122 L 100,122 Z'
MVG
    tile 9 3 <<MVG
  # Reduce Noise: a grainy half and a smooth half.
  stroke none fill '$touchup'
  rectangle 12,20 116,108
  fill '#ffffff'
$(awk 'BEGIN {
    srand(9)
    for (i = 0; i < 70; ++i)
        printf "  circle %.1f,%.1f %.1f,%.1f\n", x = 14 + rand() * 48, y = 22 + rand() * 84, x + 2.5, y
}')
  stroke '$ink' stroke-width 4 fill none
  rectangle 12,20 116,108
  stroke white stroke-width 4 stroke-dasharray 6,5
  line 64,20 64,108
MVG
    tile 10 3 <<MVG
  # Sharpen: a sharp point.
  stroke '$ink' stroke-width 4 stroke-linejoin miter fill '$touchup'
  path 'M 64,8 L 104,116 L 24,116 Z'
  stroke none fill '#ffffff90'
  path 'M 64,8 L 64,116 L 24,116 Z'
MVG
    tile 11 3 <<MVG
  # Sharpen Advanced: the sharp point with its two settings.
  stroke '$ink' stroke-width 4 stroke-linejoin miter fill '$touchup'
  path 'M 52,8 L 88,104 L 16,104 Z'
  stroke none fill '#ffffff90'
  path 'M 52,8 L 52,104 L 16,104 Z'
  stroke '$rim' stroke-width 5 stroke-linecap round
  line 100,20 100,120
  line 118,20 118,120
  stroke '$ink' stroke-width 3 fill white
  rectangle 93,46 107,58
  rectangle 111,82 125,94
MVG

    # Effects.
    tile 0 4 <<MVG
  # Blur: a disc with soft edges.
  stroke none
  fill '${effects}30'
  circle 64,64 64,8
  fill '${effects}50'
  circle 64,64 64,16
  fill '${effects}80'
  circle 64,64 64,26
  fill '${effects}c0'
  circle 64,64 64,36
  fill '$effects'
  circle 64,64 64,44
MVG
    tile 1 4 <<MVG
  # Charcoal: a sketch of strokes and the stick that drew it.
  stroke '$rim' stroke-width 4 fill none stroke-linecap round stroke-linejoin round
  path 'M 12,96 Q 34,62 56,92 T 100,88'
  path 'M 14,104 Q 36,72 58,100 T 102,96'
  path 'M 10,88 Q 30,58 52,84'
  stroke '$rim' stroke-width 4 fill '#303030'
  path 'M 60,64 L 104,14 L 118,26 L 74,76 Z'
  fill '$effects'
  path 'M 86,34 L 104,14 L 118,26 L 100,46 Z'
MVG
    tile 2 4 <<MVG
  # Edge: only the outlines of a house.
  stroke none fill '#2a2a2a'
  rectangle 8,8 120,120
  stroke '#f4f4f4' stroke-width 5 fill none stroke-linejoin round
  path 'M 24,64 L 64,26 L 104,64'
  rectangle 34,60 94,108
  stroke '${effects}' stroke-width 5
  rectangle 56,78 72,108
MVG
    tile 3 4 <<MVG
  # Emboss: a raised plate lit from the top left.
  stroke none fill '#a8a8a8'
  rectangle 10,10 118,118
  fill '#f4f4f4'
  path 'M 10,10 L 118,10 L 102,26 L 26,26 L 26,102 L 10,118 Z'
  fill '#4a4a4a'
  path 'M 118,10 L 118,118 L 10,118 L 26,102 L 102,102 L 102,26 Z'
  fill '$effects'
  rectangle 26,26 102,102
MVG
    tile 4 4 <<MVG
  # Gaussian Blur: the bell curve.
  stroke '$ink' stroke-width 4
  line 10,108 118,108
  stroke '$effects' stroke-width 7 fill '${effects}50' stroke-linejoin round
  path '$(awk 'BEGIN {
      for (x = 10; x <= 118; x += 2)
          printf "%s %.2f,%.2f ", x == 10 ? "M" : "L", x, 106 - 84 * exp(-((x - 64) / 20) ^ 2 / 2)
  }') Z'
MVG
    tile 5 4 <<MVG
  # Black & White: a landscape in greys.
$(photo 12 24 116 104 '#d0d0d0' '#5c5c5c' '#f2f2f2')
MVG
    tile 6 4 <<MVG
  # Implode: arrows pointing into the centre.
  stroke '$effects' stroke-width 8 stroke-linecap round fill none
  line 14,14 42,42
  line 114,14 86,42
  line 14,114 42,86
  line 114,114 86,86
  stroke none fill '$effects'
  path 'M 52,52 L 30,46 L 46,30 Z'
  path 'M 76,52 L 98,46 L 82,30 Z'
  path 'M 52,76 L 30,82 L 46,98 Z'
  path 'M 76,76 L 98,82 L 82,98 Z'
  stroke '$ink' stroke-width 4 fill '#f6d24a'
  circle 64,64 64,54
MVG
    tile 7 4 <<MVG
  # Negate: a landscape and its negative.
$(photo 8 20 120 108 '#436f0f' '#80516f' '#0a2db5')
  stroke none fill '#bcd8f0'
  path 'M 10,22 L 64,22 L 64,106 L 10,106 Z'
  fill '#7fae7f'
  path 'M 10,106 L 41.6,64 L 64,85 L 64,106 Z'
  stroke '$ink' stroke-width 4 fill none
  rectangle 8,20 120,108
  line 64,20 64,108
MVG
    tile 8 4 <<MVG
  # Noise: coloured speckles on a plate.
  stroke '$ink' stroke-width 4 fill '#dcdcdc'
  rectangle 12,12 116,116
  stroke none
$(awk -v accent="$effects" 'BEGIN {
    srand(3)
    split("#303030 #f8f8f8 " accent " #d23b34 #2e9d57", colours, " ")
    for (i = 0; i < 90; ++i) {
        x = 18 + rand() * 92; y = 18 + rand() * 92
        printf "  fill \x27%s\x27\n  rectangle %.1f,%.1f %.1f,%.1f\n", colours[1 + int(rand() * 5)],
            x, y, x + 5, y + 5
    }
}')
MVG
    tile 9 4 <<MVG
  # Oil Paint: a brush and a thick stroke of paint.
  stroke none fill '$effects'
  path 'M 10,108 C 30,84 54,118 76,96 C 88,84 100,96 110,88 L 114,100 C 100,110 90,98 78,110 C 54,128 32,100 14,120 Z'
  stroke '$ink' stroke-width 4 fill '#c89a5a'
  path 'M 70,58 L 112,14 L 120,22 L 78,66 Z'
  fill '#b0b0b0'
  path 'M 62,66 L 70,58 L 78,66 L 70,74 Z'
  fill '$effects'
  path 'M 62,66 L 70,74 C 62,86 46,90 36,92 C 40,80 48,70 62,66 Z'
MVG
    tile 10 4 <<MVG
  # Sepia: a landscape in warm browns.
$(photo 12 24 116 104 '#e8d3ae' '#8a6239' '#fff2d6')
MVG
    tile 11 4 <<MVG
  # Solarize: a sun whose lower half turns dark.
  stroke '$effects' stroke-width 8 stroke-linecap round
  line 64,8 64,22
  line 8,64 22,64
  line 106,64 120,64
  line 24,24 34,34
  line 94,34 104,24
  stroke '$ink' stroke-width 4 fill '#f6d24a'
  circle 64,64 64,32
  stroke none fill '#303a7a'
  path 'M 32,64 A 32,32 0 0,0 96,64 Z'
  stroke '$ink' stroke-width 4 fill none
  circle 64,64 64,32
MVG
    tile 12 4 <<MVG
  # Shade: a grey sphere lit from the top left.
  stroke none
  fill '#3c3c3c'
  circle 64,64 64,14
  fill '#6a6a6a'
  circle 58,58 58,16
  fill '#949494'
  circle 52,52 52,20
  fill '#bdbdbd'
  circle 47,47 47,25
  fill '#e6e6e6'
  circle 43,43 43,31
  stroke '$effects' stroke-width 6 fill none
  circle 64,64 64,14
MVG
    tile 13 4 <<MVG
  # Spread: pixels scattered out of a square.
  stroke '$ink' stroke-width 4 fill '$effects'
  rectangle 40,40 88,88
  stroke none fill '$effects'
$(awk 'BEGIN {
    srand(5)
    for (i = 0; i < 40; ++i) {
        a = rand() * 6.2831853; d = 38 + rand() * 22
        x = 64 + d * cos(a); y = 64 + d * sin(a)
        printf "  rectangle %.1f,%.1f %.1f,%.1f\n", x - 3, y - 3, x + 3, y + 3
    }
}')
MVG
    tile 14 4 <<MVG
  # Swirl: a spiral.
  stroke '$effects' stroke-width 8 fill none stroke-linecap round stroke-linejoin round
  path '$(spiral_path 64 64 3 54)'
MVG
    tile 15 4 <<MVG
  # Wave: three waves.
  stroke '$effects' stroke-width 8 fill none stroke-linecap round stroke-linejoin round
  path '$(wave_path 10 118 34 12 54)'
  path '$(wave_path 10 118 64 12 54)'
  path '$(wave_path 10 118 94 12 54)'
MVG

    # Border.
    tile 0 5 <<MVG
  # Shape Frame: an oval opening in a frame.
$(photo 12 14 116 114 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke none fill '$border'
  path 'M 12,14 L 116,14 L 116,114 L 12,114 Z M 64,24 A 42,40 0 1,0 64.01,24 Z'
  stroke '$ink' stroke-width 4 fill none
  rectangle 12,14 116,114
  ellipse 64,64 42,40 0,360
MVG
    tile 1 5 <<MVG
  # Grunge Frame: a frame with ragged edges.
$(photo 24 26 104 102 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke none fill '#3a3a3a'
  path 'M 8,8 L 120,8 L 120,120 L 8,120 Z M 24,30 L 34,24 L 48,30 L 60,22 L 76,28 L 90,22 L 104,28 L 98,42 L 106,56 L 98,70 L 106,84 L 100,104 L 86,98 L 72,106 L 58,98 L 42,106 L 26,100 L 30,86 L 22,72 L 30,58 L 22,44 Z'
  fill '$border'
  rectangle 8,8 120,14
MVG
    tile 2 5 <<MVG
  # Picture Frame: a gilded frame.
  stroke '$ink' stroke-width 4 fill '#d6a93c'
  rectangle 8,8 120,120
  fill '#a8772a'
  rectangle 20,20 108,108
$(photo 28 28 100 100 '#bcd8f0' '#7fae7f' '#f6d24a')
MVG
    tile 3 5 <<MVG
  # Vintage Frame: ornate corners around an old photo.
$(photo 22 22 106 106 '#e8d3ae' '#8a6239' '#fff2d6')
  stroke '$border' stroke-width 6 fill none stroke-linecap round
  rectangle 10,10 118,118
  fill '$border' stroke-width 3
  circle 14,14 14,24
  circle 114,14 114,24
  circle 14,114 14,124
  circle 114,114 114,124
MVG
    tile 4 5 <<MVG
  # Raise: a photo with bevelled, raised edges.
$(photo 10 10 118 118 '#bcd8f0' '#7fae7f' '#f6d24a')
  stroke none fill '#ffffffa0'
  path 'M 12,12 L 116,12 L 102,26 L 26,26 L 26,102 L 12,116 Z'
  fill '#000000a0'
  path 'M 116,12 L 116,116 L 12,116 L 26,102 L 102,102 L 102,26 Z'
MVG
    tile 5 5 <<MVG
  # Shadow: a photo casting a shadow.
  stroke none fill '#00000040'
  rectangle 26,30 122,118
  fill '#00000060'
  rectangle 24,28 118,114
$(photo 8 12 104 100 '#bcd8f0' '#7fae7f' '#f6d24a')
MVG
    tile 6 5 <<MVG
  # Simple Border: a photo inside a plain, wide border.
  stroke '$ink' stroke-width 4 fill '$border'
  rectangle 8,8 120,120
$(photo 26 26 102 102 '#bcd8f0' '#7fae7f' '#f6d24a')
MVG
}

# Writes one sheet of the given tile size.
sheet() { # path tile
    local TILE=$2 SCALE
    SCALE=$(awk -v t="$2" 'BEGIN { printf "%.6f", t / 128 }')
    draw_tiles >"$work/sheet.mvg"
    # (The MVG goes in as text: ImageMagick's usual policy refuses "@file" arguments.)
    convert -size "$((columns * TILE))x$((rows * TILE))" xc:none \
        -draw "$(grep -v '^ *#' "$work/sheet.mvg")" \
        -strip -define png:exclude-chunks=date,time "PNG32:$1"
}

sheet resources/filters/Icons-Filters-32@2x.png 64
sheet resources/filters/Icons-Filters-32.png 32
sheet resources/filters/Icons-Filters-48@2x.png 96
sheet resources/filters/Icons-Filters-48.png 48
sheet resources/profiles/Icons-Filters-64@2x.png 128
sheet resources/profiles/Icons-Filters-64.png 64
bash tools/make-profile-art.sh
