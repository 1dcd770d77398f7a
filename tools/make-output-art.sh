#!/usr/bin/env bash
# Rebuilds Step 3's icon strips under resources/output/ with ImageMagick 6 `convert`:
# - Icons-Output: three 32-pixel icons for the destinations (a folder, an envelope, a server
#   with an upload arrow), drawn at the "@2x" size and shrunk for the plain one;
# - Icons-Formats-32: the format tiles of the profile chooser (resources/profiles/
#   Icons-Formats-64@2x.png, tools/make-profile-art.sh) at 32 and 64 pixels, so the format list
#   shows the same pictures as the chooser.
# Neither is themed: the colours read on light and dark backgrounds alike.
#
# Usage: bash tools/make-output-art.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v convert >/dev/null || { echo "ImageMagick's convert is needed" >&2; exit 1; }

out=resources/output
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
opts=(-strip -define png:exclude-chunks=date,time)

# Destinations, in the coordinates of the 64-pixel "@2x" strip (192 x 64).
cat >"$work/output.mvg" <<'MVG'
push graphic-context
  # A folder: a tab and a front leaf.
  stroke '#a8741a'
  stroke-width 2
  fill '#f2b94a'
  path 'M 6,16 L 24,16 L 29,22 L 58,22 L 58,52 L 6,52 Z'
  fill '#ffd36e'
  path 'M 6,28 L 58,28 L 58,52 L 6,52 Z'
pop graphic-context
push graphic-context
  # An envelope.
  translate 64,0
  stroke '#3b5f8a'
  stroke-width 2
  fill '#ffffff'
  roundrectangle 6,14 58,50 3,3
  fill none
  polyline 7,16 32,36 57,16
  polyline 7,49 25,31
  polyline 57,49 39,31
pop graphic-context
push graphic-context
  # A server with an upload arrow.
  translate 128,0
  stroke '#3d4652'
  stroke-width 2
  fill '#8b96a5'
  roundrectangle 6,24 44,38 2,2
  roundrectangle 6,42 44,56 2,2
  stroke none
  fill '#4cd964'
  circle 12,31 14,31
  circle 12,49 14,49
  fill '#2f7fd8'
  stroke '#1d5aa0'
  stroke-width 1.5
  path 'M 50,4 L 62,18 L 55,18 L 55,40 L 45,40 L 45,18 L 38,18 Z'
pop graphic-context
MVG
convert -size 192x64 xc:none -draw "$(grep -v '^ *#' "$work/output.mvg")" "$work/output.png"
convert "$work/output.png" "${opts[@]}" "PNG32:$out/Icons-Output@2x.png"
convert "$work/output.png" -filter Box -resize 50% "${opts[@]}" "PNG32:$out/Icons-Output.png"

formats=resources/profiles/Icons-Formats-64@2x.png
[ "$(identify -format '%wx%h' "$formats" 2>/dev/null)" = "1280x128" ] || {
    echo "$formats is missing or not ten 128-pixel tiles: run tools/make-profile-art.sh" >&2
    exit 1
}
convert "$formats" -filter Box -resize 50% "${opts[@]}" "PNG32:$out/Icons-Formats-32@2x.png"
convert "$formats" -filter Box -resize 25% "${opts[@]}" "PNG32:$out/Icons-Formats-32.png"
