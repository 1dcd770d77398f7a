#!/usr/bin/env bash
# Redraws resources/filters/Icons-Frames.png, the frame lists' icons: a 32-pixel tile per frame
# picture of data/Frames, one row per family in the order of the frame pages (shape, grunge,
# picture, vintage), with its "@2x" variant at 64 pixels. Masks show the kept photo blue and
# the frame grey; pictures show the photo blue through their window. Run it after changing
# the frame pictures.
#
# Usage: bash tools/make-frame-icons.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

photo_tone="#4a7fc1"

sheet() { # sheet OUTPUT TILE
    local output=$1 tile=$2x$2 arguments=()
    for family in ShapeFrame:6:jpg:mask GrungeFrame:6:jpg:mask PictureFrame:4:gif:picture \
        VintageFrame:9:gif:picture; do
        IFS=: read -r prefix count suffix kind <<<"$family"
        arguments+=("(")
        for number in $(seq 1 "$count"); do
            picture=data/Frames/$prefix$number.$suffix
            if [ "$kind" = mask ]; then
                arguments+=("(" "$picture" -resize "$tile" +level-colors "$photo_tone,#d4d4d4")
            else
                arguments+=("(" "$picture" +repage -background "$photo_tone" -flatten -resize "$tile")
            fi
            arguments+=(-background none -gravity center -extent "$tile" ")")
        done
        arguments+=(+append ")")
    done
    convert "${arguments[@]}" -background none -gravity NorthWest -append \
        -extent "$(($2 * 9))x$(($2 * 4))" +repage "PNG32:$output"
}

sheet resources/filters/Icons-Frames.png 32
sheet resources/filters/Icons-Frames@2x.png 64
