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
# The run gets a home of its own, so that it leaves the user's settings, documents and
# temporary folder alone. Its settings start no Monitor (offscreen it would have no tray icon
# or window and would outlive the demo) and no update check.
home="$demo/home"
mkdir -p "$home/.config/Tarrow&Lune" "$home/Documents" "$demo/tmp"
cat > "$home/.config/Tarrow&Lune/Quendrasil.conf" <<'SETTINGS'
[Settings]
MonitorLaunch=0
Settings.ShowStartupWizard=0
Settings.ShowProfiles=0
CheckNew.AutoCheck=0
SETTINGS
env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_CACHE_HOME="$home/.cache" TMPDIR="$demo/tmp" QT_QPA_PLATFORM=offscreen \
    build/bin/Quendrasil "$demo/demo.qlr" 2> "$demo/trace.log"
echo "Output photos are in $demo/output:"
ls -1 "$demo/output"
echo "(trace in $demo/trace.log; the run's log in $home/Documents/Quendrasil/Quendrasil.log)"
