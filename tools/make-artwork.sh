#!/usr/bin/env bash
# Rebuilds the artwork installed beside the program: data/Sample.png and the frame images
# under data/Frames/. Everything is drawn here with ImageMagick 6 `convert`; noise is seeded,
# so a rebuild gives the same pictures.
#
# Masks (ShapeFrame*.jpg, GrungeFrame*.jpg): black keeps the photo, white gives way to the
# frame colour. Frames (PictureFrame*.gif, VintageFrame*.gif): the photo shows through a
# transparent window centred in the picture, whose share of the picture's width and height
# is fixed by the program (the fractions handed to `window` below); the window is drawn a
# little smaller so that the photo always runs under its edges.
#
# Usage: bash tools/make-artwork.sh [item...]   (items: the functions listed in `artwork`)
# Needs ImageMagick 6 and the DejaVu fonts (the film's edge numbers, the stamp's value).
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=data/Frames
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

calc() { awk "BEGIN { printf \"%d\", $1 }"; }
real() { awk "BEGIN { printf \"%.6f\", $1 }"; }

# ---------------------------------------------------------------------------------------
# Helpers
# ---------------------------------------------------------------------------------------

# Distance from the outer edge with the square metric (so corners come out mitred), as
# min(distance, reach) / reach.
ramp() { # width height reach output
    local w=$1 h=$2 r=$3
    convert -depth 16 \
        \( -size "${h}x${w}" gradient:black-white -rotate -90 \
           -evaluate multiply "$(real "($w - 1) / $r")" \) \
        \( +clone -flop \) -compose darken -composite \
        \( -size "${w}x${h}" gradient:black-white -evaluate multiply "$(real "($h - 1) / $r")" \) \
        -compose darken -composite \
        \( -size "${w}x${h}" gradient:white-black -evaluate multiply "$(real "($h - 1) / $r")" \) \
        -compose darken -composite "$4"
}

# White where the nearest edge is the left or the right one: the upright pieces of a frame.
uprights() { # width height output
    local w=$1 h=$2
    convert \
        \( -size "${h}x${w}" gradient:black-white -rotate -90 \( +clone -flop \) \
           -compose darken -composite -evaluate multiply "$(real "($w - 1) / ($h - 1)")" \) \
        \( -size "${w}x${h}" gradient:black-white \( +clone -flip \) -compose darken -composite \) \
        -compose minus_dst -composite -threshold 0 "$3" # IM6's minus_dst: source - destination
}

# A moulding's cross-section: heights 0..1 for a distance 0..1 from the outer edge (xx).
profile() { convert -depth 16 -size 1024x1 xc: -fx "xx = i / (w - 1); $1" "$2"; }

# Light from the upper left on a height map: 50 % grey where flat.
light() { convert "$1" -define convolve:scale="$2" -bias 50% -morphology Convolve Sobel:45 "$3"; }

# Streaky noise along x mapped from a dark to a light colour: wood or brushed metal.
grain() { # seed width height stretch dark light output
    convert -seed "$1" -size "$(calc "$2 / $4")x$(calc "$3 / 2")" xc: +noise Random \
        -channel G -separate +channel -resize "$2x$3!" -motion-blur 0x30+0 -normalize \
        \( -size 1x256 gradient:"$5"-"$6" \) -clut "$7"
}

# Grain running along every piece of a frame: across the top and bottom, down the sides.
framegrain() { # seed width height stretch dark light output
    grain "$1" "$2" "$3" "$4" "$5" "$6" "$work/gh.png"
    grain "$(($1 + 1))" "$3" "$2" "$4" "$5" "$6" "$work/gv.png"
    uprights "$2" "$3" "$work/up.png"
    convert "$work/gh.png" \( "$work/gv.png" -rotate 90 \) "$work/up.png" -composite "$7"
}

# Smooth noise with cells of the given size.
noise() { # seed width height cell output
    convert -seed "$1" -size "$(calc "$2 / $4 + 2")x$(calc "$3 / $4 + 2")" xc: +noise Random \
        -channel G -separate +channel -resize "$2x$3!" -normalize "$5"
}

# The window of a frame picture: sets X0 Y0 X1 Y1 (inclusive). It is 1.2 % of the picture
# smaller than the photo in each direction.
window() { # width height fx fy
    local ww wh
    ww=$(calc "($3 - 0.012) * $1 + 0.5")
    wh=$(calc "($4 - 0.012) * $2 + 0.5")
    X0=$((($1 - ww) / 2)); Y0=$((($2 - wh) / 2))
    X1=$((X0 + ww - 1)); Y1=$((Y0 + wh - 1))
}

# Cuts the window (and, when given, everything outside the outline mask: white is kept) out
# of a picture, lays an overlay with its own transparency (photo corners and the like) over
# the result and writes a GIF with one transparent colour.
finish() { # picture output [outline] [overlay]
    local outline=${3:-} overlay=${4:-}
    local w h
    w=$(identify -format %w "$1"); h=$(identify -format %h "$1")
    convert -size "${w}x${h}" xc:white -fill black -draw "rectangle $X0,$Y0 $X1,$Y1" \
        "$work/cut.png"
    if [ -n "$outline" ]; then
        convert "$work/cut.png" "$outline" -compose multiply -composite "$work/cut.png"
    fi
    convert "$1" -alpha off "$work/cut.png" -compose copy_opacity -composite "$work/cutout.png"
    if [ -n "$overlay" ]; then
        convert "$work/cutout.png" "$overlay" -compose over -composite "$work/cutout.png"
    fi
    convert "$work/cutout.png" -channel A -threshold 50% +channel -dither None -colors 128 "$2"
}

# A moulding of the given band width with its own cross-section and surface.
moulding() { # width height band profile surface output [light gain]
    ramp "$1" "$2" "$3" "$work/ramp.png"
    profile "$4" "$work/profile.png"
    convert "$work/ramp.png" "$work/profile.png" -clut "$work/height.png"
    light "$work/height.png" "${7:-1}" "$work/light.png"
    convert "$5" "$work/light.png" -compose hardlight -composite "$6"
}

# Lays a picture over a mat: the picture inside the band of the last moulding, the mat inward.
overmat() { # moulding mat output
    convert "$work/ramp.png" -threshold 99.9% "$work/inner.png"
    convert "$1" "$2" "$work/inner.png" -composite "$3"
}

# A mat (passe-partout) with a bevelled cut around the window.
mat() { # width height colour bevel output
    local b=$4
    convert -seed 7 -size "$1x$2" xc:"$3" -attenuate 0.15 +noise Gaussian \
        -fill '#fbfaf6' -draw "rectangle $((X0 - b)),$((Y0 - b)) $((X1 + b)),$((Y1 + b))" \
        -fill '#cfc9bb' -draw "polygon $((X0 - b)),$((Y0 - b)) $((X1 + b)),$((Y0 - b)) $X1,$Y0
            $X0,$Y0 $X0,$Y1 $((X0 - b)),$((Y1 + b))" \
        "$5"
}

# ---------------------------------------------------------------------------------------
# Sample photo: a summer evening over hills
# ---------------------------------------------------------------------------------------

# A layer: an outline filled with a colour ramp from top to bottom.
hill() { # top bottom path output
    convert -size 800x600 gradient:"$1"-"$2" \
        \( -size 800x600 xc:black -fill white -draw "path '$3'" \) \
        -alpha off -compose copy-opacity -composite "$4"
}

sample() {
    hill '#8a9cc0' '#5f7396' 'M 0,360 C 120,300 220,310 330,350 C 430,380 520,290 640,318
            C 720,336 770,330 800,318 L 800,600 L 0,600 Z' "$work/far.png"
    hill '#6f9a4c' '#2f5a2a' 'M 0,420 C 150,370 300,380 420,430 C 520,470 650,400 800,410
            L 800,600 L 0,600 Z' "$work/middle.png"
    hill '#4f8038' '#1f4220' 'M 0,500 C 200,450 380,470 520,520 C 640,560 720,500 800,490
            L 800,600 L 0,600 Z' "$work/near.png"
    convert -size 800x600 gradient:'#1f5fae'-'#ffd6a0' -sigmoidal-contrast 2,70% \
        \( -size 800x600 xc:none -fill 'rgba(255,255,255,0.85)' \
           -draw 'ellipse 170,120 70,18 0,360' -draw 'ellipse 220,110 50,22 0,360' \
           -draw 'ellipse 130,128 40,14 0,360' -draw 'ellipse 620,80 60,12 0,360' \
           -draw 'ellipse 660,72 38,15 0,360' -blur 0x6 \) -composite \
        \( -size 800x600 xc:none -fill '#ffe9a0' -draw 'circle 560,300 560,240' -blur 0x35 \) \
        -compose screen -composite -compose over \
        \( -size 800x600 xc:none -fill '#fff8d8' -draw 'circle 560,300 560,265' -blur 0x2 \) \
        -composite "$work/far.png" -composite "$work/middle.png" -composite \
        "$work/near.png" -composite \
        \( -size 800x600 xc:none -fill '#d9c79a' -draw "path 'M 300,600 C 330,560 420,540 470,520
            C 500,508 520,500 540,497 L 548,499 C 520,510 470,540 430,600 Z'" \) \
        -composite \
        \( -size 800x600 xc:none -fill '#5a3a22' \
           -draw 'rectangle 118,470 124,500' -draw 'rectangle 178,452 183,482' \
           -draw 'rectangle 688,452 693,478' -draw 'rectangle 730,445 734,470' \
           -fill '#24481f' -draw 'ellipse 121,445 22,34 0,360' -draw 'ellipse 180,430 17,28 0,360' \
           -draw 'ellipse 690,432 15,26 0,360' -draw 'ellipse 732,428 11,21 0,360' \
           -fill '#3a6a2c' -draw 'ellipse 115,438 12,18 0,360' -draw 'ellipse 176,424 9,14 0,360' \
           -draw 'ellipse 686,426 8,13 0,360' \) -composite \
        -strip PNG24:data/Sample.png
}

# ---------------------------------------------------------------------------------------
# Shape masks: sharp (ShapeFrameN.jpg) and blurred edges (ShapeFrameNb.jpg)
# ---------------------------------------------------------------------------------------

shapemask() { # number drawing...
    local number=$1
    shift
    convert -size 800x600 xc:white -fill black -stroke none "$@" -colorspace gray \
        -quality 90 "$out/ShapeFrame$number.jpg"
    convert -size 800x600 xc:white -fill black -stroke none "$@" -blur 0x14 -colorspace gray \
        -quality 90 "$out/ShapeFrame${number}b.jpg"
}

# Cracks radiating from an impact point, with broken rings joining the rays. A small
# generator of its own keeps the pattern the same with any awk.
cracks() {
    awk 'function rnd() {
        seed = (seed * 1103515245 + 12345) % 2147483648
        return seed / 2147483648
    }
    BEGIN {
        seed = 20240611; pi = atan2(0, -1); cx = 520; cy = 250; rays = 13
        for (i = 0; i < rays; i++) {
            a[i] = 2 * pi * (i + 0.3 * rnd()) / rays
            line = sprintf("%.1f,%.1f", cx, cy); r = 0
            for (s = 1; r < 900; s++) {
                r += 28 + 50 * rnd(); a[i] += 0.12 * (rnd() - 0.5)
                x[i, s] = cx + r * cos(a[i]); y[i, s] = cy + r * sin(a[i])
                line = line sprintf(" %.1f,%.1f", x[i, s], y[i, s])
            }
            n[i] = s - 1
            printf "polyline %s\n", line
        }
        for (s = 1; s <= 6; s++) {
            for (i = 0; i < rays; i++) {
                j = (i + 1) % rays
                if (rnd() < (s <= 2 ? 0.85 : 0.45) && s <= n[i] && s <= n[j]) {
                    mx = (x[i, s] + x[j, s]) / 2 + 14 * (rnd() - 0.5)
                    my = (y[i, s] + y[j, s]) / 2 + 14 * (rnd() - 0.5)
                    printf "polyline %.1f,%.1f %.1f,%.1f %.1f,%.1f\n", x[i, s], y[i, s], mx, my,
                        x[j, s], y[j, s]
                }
            }
        }
    }'
}

shapes() {
    local star heart shield
    star=$(awk 'BEGIN { pi = atan2(0, -1)
        for (i = 0; i < 10; i++) { a = -pi / 2 + i * pi / 5; r = i % 2 ? 125 : 295
            printf "%.1f,%.1f ", 400 + r * cos(a) * 1.25, 318 + r * sin(a) } }')
    heart='M 400,190 C 360,90 230,60 175,130 C 110,215 170,330 260,410 C 320,465 380,510 400,560
            C 420,510 480,465 540,410 C 630,330 690,215 625,130 C 570,60 440,90 400,190 Z'
    shield='M 150,48 C 240,72 330,66 400,36 C 470,66 560,72 650,48 L 650,280
            C 650,420 540,500 400,566 C 260,500 150,420 150,280 Z'
    shapemask 1 -draw 'rectangle 44,40 755,559'
    shapemask 2 -draw 'ellipse 400,300 362,266 0,360'
    shapemask 3 -draw "polygon $star"
    shapemask 4 -draw "path '$heart'"
    shapemask 6 -draw "path '$shield'"

    # Cracked glass: white cracks over a black pane, a chipped impact point, a white rim.
    cracks | sed 's/^/-draw\n/' >"$work/cracks.txt"
    local drawing=()
    mapfile -t drawing <"$work/cracks.txt"
    convert -size 800x600 xc:black -fill none -stroke white -strokewidth 2.5 "${drawing[@]}" \
        -fill white -stroke none -draw 'circle 520,250 520,262' \
        -fill none -stroke white -strokewidth 24 -draw 'rectangle 0,0 799,599' \
        -colorspace gray -quality 85 "$out/ShapeFrame5.jpg"
    convert -size 800x600 xc:black -fill none -stroke white -strokewidth 5 "${drawing[@]}" \
        -fill white -stroke none -draw 'circle 520,250 520,266' \
        -fill none -stroke white -strokewidth 36 -draw 'rectangle 0,0 799,599' -blur 0x5 \
        -colorspace gray -quality 85 "$out/ShapeFrame5b.jpg"
}

# ---------------------------------------------------------------------------------------
# Grunge masks: rough edges around a black window
# ---------------------------------------------------------------------------------------

# White outside a window inset by the given margin, blurred into a ramp near the edges.
edgeramp() { # margin blur output
    convert -size 800x600 xc:white -fill black -draw "rectangle $1,$1 $((799 - $1)),$((599 - $1))" \
        -blur "0x$2" "$3"
}

# Writes GrungeFrameN.jpg from a convert command line; the outermost pixels are kept white
# whatever the noise did there.
grungemask() { # number arguments...
    local number=$1
    shift
    convert "$@" \( -size 800x600 xc:black -fill none -stroke white -strokewidth 16 \
        -draw 'rectangle 0,0 799,599' \) -compose lighten -composite \
        -colorspace gray -quality 88 "$out/GrungeFrame$number.jpg"
}

grunge() {
    # 1: rough, crumbly edge
    edgeramp 60 30 "$work/ramp.png"
    noise 11 800 600 2 "$work/fine.png"; noise 12 800 600 12 "$work/coarse.png"
    grungemask 1 "$work/ramp.png" "$work/fine.png" "$work/coarse.png" -poly '0.62,1 0.18,1 0.2,1' \
        -threshold 45% -morphology open disk:1 -blur 0x0.7
    # 2: blotchy, eaten edge
    edgeramp 70 40 "$work/ramp.png"
    noise 21 800 600 30 "$work/coarse.png"; noise 22 800 600 6 "$work/fine.png"
    grungemask 2 "$work/ramp.png" "$work/coarse.png" "$work/fine.png" -poly '0.6,1 0.27,1 0.13,1' \
        -threshold 47% -blur 0x1
    # 3: dry brush strokes running along each side
    edgeramp 80 35 "$work/ramp.png"
    for seed in 31 32; do
        convert -seed $seed -size 800x600 xc: +noise Random -channel G -separate +channel \
            -motion-blur "0x60+$(((seed - 31) * 90))" -normalize "$work/streaks$seed.png"
    done
    uprights 800 600 "$work/up.png"
    convert "$work/streaks31.png" "$work/streaks32.png" "$work/up.png" -composite \
        "$work/streaks.png"
    grungemask 3 "$work/ramp.png" "$work/streaks.png" -poly '0.45,1 0.55,1' -threshold 50% \
        \( "$work/ramp.png" -threshold 85% \) -compose lighten -composite -blur 0x0.6
    # 4: soft, smoky fade
    edgeramp 40 60 "$work/ramp.png"
    noise 41 800 600 3 "$work/fine.png"; noise 42 800 600 20 "$work/coarse.png"
    grungemask 4 "$work/ramp.png" "$work/fine.png" "$work/coarse.png" -poly '0.7,1 0.12,1 0.18,1' \
        -level 42%,68%
    # 5: sprayed, speckled edge
    edgeramp 70 45 "$work/ramp.png"
    noise 51 800 600 1 "$work/fine.png"; noise 52 800 600 16 "$work/coarse.png"
    grungemask 5 "$work/ramp.png" "$work/fine.png" "$work/coarse.png" -poly '0.6,1 0.28,1 0.12,1' \
        -threshold 46%
    # 6: torn edge with a faded seam inside it
    edgeramp 55 14 "$work/ramp.png"
    noise 61 800 600 10 "$work/coarse.png"; noise 62 800 600 2 "$work/fine.png"
    grungemask 6 "$work/ramp.png" "$work/coarse.png" "$work/fine.png" -poly '0.62,1 0.28,1 0.1,1' \
        \( -clone 0 -threshold 50% \) \( -clone 0 -threshold 40% -evaluate multiply 0.45 \) \
        -delete 0 -compose lighten -composite -blur 0x0.8
}

# ---------------------------------------------------------------------------------------
# Picture frames
# ---------------------------------------------------------------------------------------

picture1() { # walnut moulding over a cream mat
    local w=900 h=721
    window $w $h 0.72 0.62
    framegrain 11 $w $h 6 '#3b1f0e' '#8a5a30' "$work/wood.png"
    moulding $w $h 72 'xx < 0.1 ? xx / 0.1 * 0.45 :
            (xx < 0.5 ? 0.45 + 0.55 * sin((xx - 0.1) / 0.4 * pi / 2) :
            (xx < 0.82 ? 1 - (xx - 0.5) / 0.32 * 0.55 :
            (xx < 0.92 ? 0.45 + (xx - 0.82) * 2 : 0.2)))' \
        "$work/wood.png" "$work/moulding.png" 0.7
    mat $w $h '#ece4d2' 6 "$work/mat.png"
    overmat "$work/moulding.png" "$work/mat.png" "$work/frame.png"
    finish "$work/frame.png" "$out/PictureFrame1.gif"
}

# A row of beads around the frame at the given inset, added to the current height map.
beads() { # width height inset spacing radius strength
    local draw
    draw=$(awk -v w="$1" -v h="$2" -v d="$3" -v s="$4" -v r="$5" 'BEGIN {
        for (x = d; x <= w - 1 - d; x += s) printf "circle %d,%d %d,%d ", x, d, x, d + r
        for (x = d; x <= w - 1 - d; x += s)
            printf "circle %d,%d %d,%d ", x, h - 1 - d, x, h - 1 - d + r
        for (y = d + s; y < h - 1 - d; y += s) printf "circle %d,%d %d,%d ", d, y, d + r, y
        for (y = d + s; y < h - 1 - d; y += s)
            printf "circle %d,%d %d,%d ", w - 1 - d, y, w - 1 - d + r, y
    }')
    convert -size "$1x$2" xc:black -fill white -draw "$draw" -blur "0x$(real "$5 / 2")" \
        -evaluate multiply "$6" "$work/beads.png"
    convert "$work/height.png" "$work/beads.png" -compose plus -composite "$work/height.png"
}

# Gold: a warm ramp with a little mottling.
gold() { # seed width height output
    framegrain "$1" "$2" "$3" 10 '#9a6c22' '#e2c060' "$work/goldgrain.png"
    noise "$(($1 + 2))" "$2" "$3" 40 "$work/mottle.png"
    convert "$work/goldgrain.png" \( "$work/mottle.png" -level -60%,160% \) \
        -compose softlight -composite "$4"
}

picture2() { # gilded moulding with a bead row over a white mat
    local w=900 h=749 band=82
    window $w $h 0.76 0.63
    gold 21 $w $h "$work/gold.png"
    ramp $w $h $band "$work/ramp.png"
    profile 'xx < 0.08 ? xx / 0.08 * 0.3 :
            (xx < 0.4 ? 0.3 + 0.6 * sin((xx - 0.08) / 0.32 * pi / 2) :
            (xx < 0.62 ? 0.9 - (xx - 0.4) * 2.5 :
            (xx < 0.9 ? 0.35 : 0.35 - (xx - 0.9) * 2.5)))' "$work/profile.png"
    convert "$work/ramp.png" "$work/profile.png" -clut "$work/height.png"
    beads $w $h $(calc "$band * 0.76") 11 4 0.3
    light "$work/height.png" 1.2 "$work/light.png"
    convert "$work/gold.png" "$work/light.png" -compose hardlight -composite "$work/moulding.png"
    mat $w $h '#f3efe6' 5 "$work/mat.png"
    overmat "$work/moulding.png" "$work/mat.png" "$work/frame.png"
    finish "$work/frame.png" "$out/PictureFrame2.gif"
}

picture3() { # a slim black gallery frame
    local w=900 h=641
    window $w $h 0.94 0.91
    framegrain 31 $w $h 8 '#070707' '#2c2c2c' "$work/black.png"
    moulding $w $h 34 'xx < 0.25 ? sin(xx / 0.25 * pi / 2) :
            (xx < 0.8 ? 1 - (xx - 0.25) * 0.6 : 0.67 - (xx - 0.8) * 2)' \
        "$work/black.png" "$work/frame.png" 1
    finish "$work/frame.png" "$out/PictureFrame3.gif"
}

picture4() { # brushed silver
    local w=900 h=651
    window $w $h 0.86 0.82
    framegrain 41 $w $h 12 '#6d7178' '#d9dde3' "$work/silver.png"
    moulding $w $h 70 'xx < 0.15 ? xx / 0.15 * 0.6 :
            (xx < 0.45 ? 0.6 + 0.4 * sin((xx - 0.15) / 0.3 * pi / 2) :
            (xx < 0.8 ? 1 - (xx - 0.45) * 1.3 : 0.55 - (xx - 0.8) * 2))' \
        "$work/silver.png" "$work/frame.png" 1
    finish "$work/frame.png" "$out/PictureFrame4.gif"
}

# ---------------------------------------------------------------------------------------
# Vintage frames
# ---------------------------------------------------------------------------------------

# Aged paper: a base colour with soft stains and fine fibres; the stains' spread is the share
# of the full range they take (0.5 by default).
paper() { # seed width height colour output [stains]
    local spread=${6:-0.5} low
    low=$(real "(1 / $spread - 1) * 50")
    noise "$1" "$2" "$3" 60 "$work/stains.png"
    noise "$(($1 + 1))" "$2" "$3" 2 "$work/fibres.png"
    convert -size "$2x$3" xc:"$4" \
        \( "$work/stains.png" -level "-$low%,$(real "100 + $low")%" \) \
        -compose softlight -composite \
        \( "$work/fibres.png" -level -300%,400% \) -compose softlight -composite "$5"
}

# Darkens a picture towards its outer edge, as old prints yellow and brown from the rim; the
# strength is how many percent darker the very edge gets.
burn() { # picture reach strength output
    local w h
    w=$(identify -format %w "$1"); h=$(identify -format %h "$1")
    ramp "$w" "$h" "$2" "$work/burn.png"
    convert "$1" \( "$work/burn.png" -level "-$(real "100 * (100 - $3) / $3")%,100%" \) \
        -compose multiply -composite "$4"
}

# White inside a rectangle with rounded corners.
rounded() { # width height inset radius output
    convert -size "$1x$2" xc:black -fill white \
        -draw "roundrectangle $3,$3 $(($1 - 1 - $3)),$(($2 - 1 - $3)) $4,$4" "$5"
}

# Opaque corners that round off the window of a frame (an overlay for finish).
windowcorners() { # width height radius colour output
    convert -size "$1x$2" xc:none -fill "$4" -draw "rectangle $X0,$Y0 $X1,$Y1" \
        -fill none -draw "roundrectangle $X0,$Y0 $X1,$Y1 $3,$3" \
        \( -size "$1x$2" xc:black -fill white -draw "rectangle $X0,$Y0 $X1,$Y1" \
           -fill black -draw "roundrectangle $X0,$Y0 $X1,$Y1 $3,$3" \) \
        -alpha off -compose copy_opacity -composite "$5"
}

vintage1() { # yellowed print border with rounded corners and a pressed line
    local w=900 h=683
    window $w $h 0.88 0.80
    paper 101 $w $h '#e6d7b3' "$work/paper.png" 0.35
    convert "$work/paper.png" -fill none -stroke '#b49a6c' -strokewidth 2 \
        -draw "rectangle $((X0 - 14)),$((Y0 - 14)) $((X1 + 14)),$((Y1 + 14))" \
        -stroke '#fbf3dc' -strokewidth 1 \
        -draw "rectangle $((X0 - 12)),$((Y0 - 12)) $((X1 + 16)),$((Y1 + 16))" "$work/paper.png"
    burn "$work/paper.png" 50 40 "$work/frame.png"
    rounded $w $h 0 34 "$work/outline.png"
    finish "$work/frame.png" "$out/VintageFrame1.gif" "$work/outline.png"
}

vintage2() { # dark carved wood with a worn gilt lip
    local w=900 h=677 band=132
    window $w $h 0.72 0.66
    framegrain 111 $w $h 8 '#1c110a' '#5b3a22' "$work/wood.png"
    gold 113 $w $h "$work/gold.png"
    ramp $w $h $band "$work/ramp.png"
    profile 'xx < 0.08 ? xx / 0.08 * 0.4 :
            (xx < 0.3 ? 0.4 + 0.4 * sin((xx - 0.08) / 0.22 * pi) :
            (xx < 0.55 ? 0.4 + (xx - 0.3) * 2 :
            (xx < 0.7 ? 0.9 - (xx - 0.55) * 4 :
            (xx < 0.8 ? 0.3 : 0.3 + 0.3 * sin((xx - 0.8) / 0.2 * pi)))))' "$work/profile.png"
    convert "$work/ramp.png" "$work/profile.png" -clut "$work/height.png"
    beads $w $h $(calc "$band * 0.19") 14 5 0.25
    light "$work/height.png" 0.9 "$work/light.png"
    convert "$work/ramp.png" -threshold 80% "$work/lip.png"
    convert "$work/wood.png" "$work/gold.png" "$work/lip.png" -composite \
        "$work/light.png" -compose hardlight -composite "$work/frame.png"
    finish "$work/frame.png" "$out/VintageFrame2.gif"
}

vintage3() { # a black album page holding the photo by four paper corners
    local w=900 h=638 leg=46
    window $w $h 0.73 0.71
    paper 121 $w $h '#26231f' "$work/page.png" 0.12
    local corners
    corners="polygon $((X0 - 6)),$((Y0 - 6)) $((X0 + leg)),$((Y0 - 6)) $((X0 - 6)),$((Y0 + leg))"
    corners+=" polygon $((X1 + 6)),$((Y0 - 6)) $((X1 - leg)),$((Y0 - 6)) $((X1 + 6)),$((Y0 + leg))"
    corners+=" polygon $((X0 - 6)),$((Y1 + 6)) $((X0 + leg)),$((Y1 + 6)) $((X0 - 6)),$((Y1 - leg))"
    corners+=" polygon $((X1 + 6)),$((Y1 + 6)) $((X1 - leg)),$((Y1 + 6)) $((X1 + 6)),$((Y1 - leg))"
    convert -size "${w}x${h}" xc:none -fill '#00000080' -draw "$corners" -blur 0x3 \
        -fill '#d8d0bd' -draw "$corners" \
        -fill none -stroke '#f5efe0' -strokewidth 1.5 \
        -draw "line $((X0 + leg - 2)),$((Y0 - 4)) $((X0 - 4)),$((Y0 + leg - 2))" \
        -draw "line $((X1 - leg + 2)),$((Y0 - 4)) $((X1 + 4)),$((Y0 + leg - 2))" \
        -draw "line $((X0 + leg - 2)),$((Y1 + 4)) $((X0 - 4)),$((Y1 - leg + 2))" \
        -draw "line $((X1 - leg + 2)),$((Y1 + 4)) $((X1 + 4)),$((Y1 - leg + 2))" \
        "$work/corners.png"
    convert "$work/page.png" \( -size "${w}x${h}" xc:none -fill '#00000070' \
        -draw "rectangle $((X0 + 4)),$((Y0 + 4)) $((X1 + 9)),$((Y1 + 9))" -blur 0x5 \) \
        -compose over -composite "$work/frame.png"
    finish "$work/frame.png" "$out/VintageFrame3.gif" "" "$work/corners.png"
}

vintage4() { # a frame of film with its sprocket holes and edge marks
    local w=900 h=861 holes
    window $w $h 0.86 0.62
    holes=$(awk -v w=$w -v h=$h 'BEGIN {
        for (x = 12; x + 30 < w; x += 52) {
            printf "roundrectangle %d,%d %d,%d 5,5 ", x, 40, x + 30, 82
            printf "roundrectangle %d,%d %d,%d 5,5 ", x, h - 83, x + 30, h - 41
        } }')
    convert -size "${w}x${h}" xc:'#17120e' -seed 141 -attenuate 0.08 +noise Gaussian \
        -fill '#2a1f16' -draw "rectangle 0,$((Y0 - 20)) $((w - 1)),$((Y1 + 20))" \
        -fill '#c77a2a' -font DejaVu-Sans-Bold -pointsize 22 \
        -draw "text $((X0 + 20)),$((Y0 - 40)) '17'" -draw "text $((X1 - 70)),$((Y0 - 40)) '17A'" \
        -draw "polygon $((w / 2 - 10)),$((Y1 + 52)) $((w / 2 + 10)),$((Y1 + 52))
            $((w / 2)),$((Y1 + 38))" \
        "$work/frame.png"
    convert -size "${w}x${h}" xc:white -fill black -draw "$holes" "$work/outline.png"
    windowcorners $w $h 14 '#2a1f16' "$work/corners.png"
    finish "$work/frame.png" "$out/VintageFrame4.gif" "$work/outline.png" "$work/corners.png"
}

vintage5() { # a deckle-edged print
    local w=900 h=642 edge
    window $w $h 0.92 0.89
    edge=$(awk -v w=$w -v h=$h 'BEGIN { d = 10; r = 10
        for (x = d; x <= w - d; x += 17)
            printf "circle %d,%d %d,%d circle %d,%d %d,%d ", x, d, x, d + r,
                x, h - 1 - d, x, h - 1 - d + r
        for (y = d; y <= h - d; y += 17)
            printf "circle %d,%d %d,%d circle %d,%d %d,%d ", d, y, d + r, y,
                w - 1 - d, y, w - 1 - d + r, y }')
    convert -size "${w}x${h}" xc:black -fill white -draw "rectangle 10,10 $((w - 11)),$((h - 11))" \
        -draw "$edge" "$work/outline.png"
    paper 151 $w $h '#f1e9d6' "$work/paper.png"
    burn "$work/paper.png" 24 12 "$work/frame.png"
    finish "$work/frame.png" "$out/VintageFrame5.gif" "$work/outline.png"
}

vintage6() { # a baroque gilded frame with beads, leaves and corner rosettes
    local w=900 h=671 band=152 leaves rosettes
    window $w $h 0.67 0.62
    gold 161 $w $h "$work/gold.png"
    ramp $w $h $band "$work/ramp.png"
    profile 'xx < 0.06 ? xx / 0.06 * 0.35 :
            (xx < 0.22 ? 0.35 + 0.3 * sin((xx - 0.06) / 0.16 * pi / 2) :
            (xx < 0.3 ? 0.65 - (xx - 0.22) * 3 :
            (xx < 0.62 ? 0.45 + 0.35 * sin((xx - 0.3) / 0.32 * pi) :
            (xx < 0.78 ? 0.45 - (xx - 0.62) :
            (xx < 0.9 ? 0.5 : 0.5 - (xx - 0.9) * 3)))))' "$work/profile.png"
    convert "$work/ramp.png" "$work/profile.png" -clut "$work/height.png"
    beads $w $h $(calc "$band * 0.27") 13 5 0.4
    beads $w $h $(calc "$band * 0.84") 10 3.5 0.3
    # Leaves along the middle of the moulding, leaning the same way all around.
    leaves=$(awk -v w=$w -v h=$h -v d=$(calc "$band * 0.46") 'BEGIN {
        for (x = d + 40; x <= w - d - 40; x += 30)
            printf "ellipse %d,%d 13,7 0,360 ellipse %d,%d 13,7 0,360 ", x, d, x, h - 1 - d
        for (y = d + 40; y <= h - d - 40; y += 30)
            printf "ellipse %d,%d 7,13 0,360 ellipse %d,%d 7,13 0,360 ", d, y, w - 1 - d, y }')
    # Rosettes in the corners: a raised disc with a boss in its middle.
    rosettes() { # radius
        awk -v w=$w -v h=$h -v d="$(calc "$band * 0.46")" -v r="$1" 'BEGIN {
            printf "circle %d,%d %d,%d ", d, d, d + r, d
            printf "circle %d,%d %d,%d ", w - 1 - d, d, w - 1 - d + r, d
            printf "circle %d,%d %d,%d ", d, h - 1 - d, d + r, h - 1 - d
            printf "circle %d,%d %d,%d ", w - 1 - d, h - 1 - d, w - 1 - d + r, h - 1 - d }'
    }
    convert -size "${w}x${h}" xc:black -fill white -draw "$leaves" -blur 0x3 \
        -fill gray70 -draw "$(rosettes 36)" -fill white -draw "$(rosettes 16)" -blur 0x2 \
        -evaluate multiply 0.5 "$work/ornament.png"
    convert "$work/height.png" "$work/ornament.png" -compose lighten -composite "$work/height.png"
    light "$work/height.png" 1.3 "$work/light.png"
    convert "$work/gold.png" "$work/light.png" -compose hardlight -composite "$work/frame.png"
    finish "$work/frame.png" "$out/VintageFrame6.gif"
}

vintage7() { # a mounted slide
    local w=900 h=800
    window $w $h 0.76 0.59
    ramp $w $h 40 "$work/ramp.png"
    profile 'xx < 0.5 ? sin(xx / 0.5 * pi / 2) * 0.6 : 0.6' "$work/profile.png"
    convert "$work/ramp.png" "$work/profile.png" -clut \
        \( -size "${w}x${h}" xc:black -fill white \
           -draw "roundrectangle $((X0 - 26)),$((Y0 - 26)) $((X1 + 26)),$((Y1 + 26)) 30,30" \
           -fill black \
           -draw "roundrectangle $((X0 - 8)),$((Y0 - 8)) $((X1 + 8)),$((Y1 + 8)) 20,20" \
           -blur 0x4 -evaluate multiply 0.25 \) -compose minus_src -composite "$work/height.png"
    light "$work/height.png" 1.2 "$work/light.png"
    convert -size "${w}x${h}" xc:'#e9e6dd' -seed 171 -attenuate 0.1 +noise Gaussian \
        "$work/light.png" -compose hardlight -composite "$work/frame.png"
    rounded $w $h 0 46 "$work/outline.png"
    windowcorners $w $h 16 '#d9d5ca' "$work/corners.png"
    finish "$work/frame.png" "$out/VintageFrame7.gif" "$work/outline.png" "$work/corners.png"
}

vintage8() { # torn, yellowed paper
    local w=900 h=752
    window $w $h 0.86 0.71
    ramp $w $h 40 "$work/ramp.png"
    noise 181 $w $h 6 "$work/tear.png"
    noise 182 $w $h 40 "$work/tearcoarse.png"
    convert "$work/ramp.png" "$work/tear.png" "$work/tearcoarse.png" -poly '0.6,1 0.15,1 0.25,1' \
        -threshold 42% "$work/outline.png"
    paper 183 $w $h '#e9dcb8' "$work/paper.png"
    convert "$work/paper.png" \( -size "${w}x${h}" xc:none -fill '#8a6a3a30' \
        -draw 'circle 120,90 120,104' -draw 'circle 790,660 790,678' -draw 'circle 700,70 700,78' \
        -draw 'circle 80,600 80,611' -blur 0x4 \) -compose over -composite "$work/paper.png"
    burn "$work/paper.png" 40 40 "$work/frame.png"
    finish "$work/frame.png" "$out/VintageFrame8.gif" "$work/outline.png"
}

vintage9() { # a postage stamp: perforated paper around an engraved border
    local w=900 h=837 perforation waves
    window $w $h 0.85 0.63
    perforation=$(awk -v w=$w -v h=$h 'BEGIN { r = 9
        for (x = 14; x < w; x += 27)
            printf "circle %d,0 %d,0 circle %d,%d %d,%d ", x, x + r, x, h - 1, x + r, h - 1
        for (y = 14; y < h; y += 27)
            printf "circle 0,%d %d,%d circle %d,%d %d,%d ", y, r, y, w - 1, y, w - 1 - r, y }')
    convert -size "${w}x${h}" xc:white -fill black -draw "$perforation" "$work/outline.png"
    # Engraved waves: fine lines across the coloured border, as on printed stamps.
    waves=$(awk -v w=$w -v h=$h 'BEGIN { pi = atan2(0, -1)
        for (k = 0; k < h; k += 7) { line = ""
            for (x = 0; x <= w; x += 10)
                line = line sprintf(" %d,%.1f", x, k + 3 * sin(x / 40 * pi + k / 20))
            printf "polyline%s\n", line } }')
    printf '%s\n' "$waves" | sed 's/^/-draw\n/' >"$work/waves.txt"
    local drawing=()
    mapfile -t drawing <"$work/waves.txt"
    convert -size "${w}x${h}" xc:'#8e2f2f' -fill none -stroke '#b9514a' -strokewidth 1.6 \
        "${drawing[@]}" "$work/ink.png"
    paper 191 $w $h '#f6f1e4' "$work/paper.png"
    convert "$work/paper.png" \
        \( "$work/ink.png" \( -size "${w}x${h}" xc:black -fill white \
           -draw "rectangle 34,34 $((w - 35)),$((h - 35))" \) -alpha off \
           -compose copy_opacity -composite \) -compose over -composite \
        -fill '#f6f1e4' -draw "rectangle $((X0 - 10)),$((Y0 - 10)) $((X1 + 10)),$((Y1 + 10))" \
        -fill none -stroke '#8e2f2f' -strokewidth 3 \
        -draw "rectangle $((X0 - 4)),$((Y0 - 4)) $((X1 + 4)),$((Y1 + 4))" \
        -fill '#f6f1e4' -stroke none -font DejaVu-Serif-Bold -pointsize 64 -gravity northeast \
        -draw "text 60,52 '25'" "$work/frame.png"
    finish "$work/frame.png" "$out/VintageFrame9.gif" "$work/outline.png"
}

artwork=(sample shapes grunge picture1 picture2 picture3 picture4
    vintage1 vintage2 vintage3 vintage4 vintage5 vintage6 vintage7 vintage8 vintage9)
for item in "${@:-${artwork[@]}}"; do
    "$item"
done
