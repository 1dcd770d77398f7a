#!/usr/bin/env bash
# Rebuilds data/RSWOP.ICM, the CMYK output profile, from the FOGRA39 characterization data
# that Debian's icc-profiles-free ships (Zlib licence), with Argyll's profiler.
# data/sRGB.icm is sRGB.icc of the same package, copied as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
command -v colprof >/dev/null || $sudo apt-get install -y -qq argyll icc-profiles-free
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp /usr/share/color/icc/FOGRA39L.ti3 "$work/RSWOP.ti3"
(cd "$work" && colprof -qm -kr -l300 -L95 -D "Quendrasil CMYK (FOGRA39)" \
    -C "Generated from FOGRA39L characterization data (Zlib)" RSWOP)
cp "$work/RSWOP.icc" data/RSWOP.ICM
cp /usr/share/color/icc/sRGB.icc data/sRGB.icm
