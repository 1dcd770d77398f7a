#!/usr/bin/env bash
# Rebuilds Monitor's pictures under resources/monitor-ui/ with ImageMagick 6 `convert`:
# - Icons-Output-32: the job list's icons, a strip of 32-pixel tiles (64 in "@2x") whose first
#   tile is the folder job and third the FTP job; the tiles are Step 3's destination icons
#   (resources/output, tools/make-output-art.sh), so both programs show the same folder and
#   server;
# - AppIcon-64: the window's and the tray's icon, from the program's icon;
# - Overlay-Symbol-Dark: the corner picture of the job list (Monitor is always dark), the
#   thumbnail lists' own (resources/thumbs, tools/make-thumb-art.sh).
#
# Usage: bash tools/make-monitor-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/monitor-ui
mkdir -p "$out"
opts=(-strip -define png:exclude-chunks=date,time)

convert resources/output/Icons-Output.png "${opts[@]}" "PNG32:$out/Icons-Output-32.png"
convert resources/output/Icons-Output@2x.png "${opts[@]}" "PNG32:$out/Icons-Output-32@2x.png"

# The largest picture of the icon file, shrunk to the tray's size.
convert 'resources/about/Quendrasil.ico[4]' -resize 64x64 "${opts[@]}" "PNG32:$out/AppIcon-64.png"

convert resources/thumbs/Overlay-Symbol-Dark.png "${opts[@]}" "PNG32:$out/Overlay-Symbol-Dark.png"
convert resources/thumbs/Overlay-Symbol-Dark@2x.png "${opts[@]}" \
    "PNG32:$out/Overlay-Symbol-Dark@2x.png"
echo "Monitor's pictures written to $out"
