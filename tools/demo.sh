#!/usr/bin/env bash
# Builds the programs and runs a demo script headless: three photos are resized to fit
# 1024x768, framed, stamped with the date and a text watermark and written as JPEGs to
# build/demo/output. The program ends by itself with 0 when the run happened, 2 when the
# script could not be loaded.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
demo="$PWD/build/demo"
rm -rf "$demo"
mkdir -p "$demo/photos" "$demo/output"
# The sample photo in three sizes and moods, as a camera would deliver them.
convert build/bin/Data/Sample.png -resize 300% -quality 92 "$demo/photos/IMG_0001.jpg"
convert build/bin/Data/Sample.png -resize 250% -modulate 100,130 -quality 92 \
    "$demo/photos/IMG_0002.jpg"
convert build/bin/Data/Sample.png -resize 200% -rotate 90 -quality 92 "$demo/photos/IMG_0003.jpg"
sed "s|@OUTPUT@|$demo/output|" tools/demo-script.qlr > "$demo/demo.qlr"
QT_QPA_PLATFORM=offscreen build/bin/Quendrasil "$demo/demo.qlr" 2> "$demo/trace.log"
echo "Output photos are in $demo/output:"
ls -1 "$demo/output"
echo "(trace in $demo/trace.log; the run's log is put in front of ~/Documents/Quendrasil/Quendrasil.log)"
