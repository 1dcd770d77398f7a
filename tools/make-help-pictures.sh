#!/usr/bin/env bash
# Makes the help manual's pictures (help/pictures/): the windows as windowshots shows them, in the
# light theme (Monitor always dark), and every filter's before/after pair from helpgen. Needs a
# build and Xvfb; the pictures are committed, so the build itself never needs a display.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
cmake --build build --target windowshots helpgen QuendrasilData >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/photos" "$work/shots"
convert build/bin/Data/Sample.png -resize 300% -quality 92 "$work/photos/IMG_0001.jpg"
convert build/bin/Data/Sample.png -resize 250% -modulate 100,130 -quality 92 "$work/photos/IMG_0002.jpg"
convert build/bin/Data/Sample.png -resize 200% -rotate 90 -quality 92 "$work/photos/IMG_0003.jpg"
sed "s|@OUTPUT@|$work/output|; s|photos\\\\\*.jpg|$work/photos/*.jpg|" tools/demo-script.qlr > "$work/shots.qlr"
shots() {
    HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
        xvfb-run -a -s "-screen 0 1280x800x24" build/bin/windowshots "$@" >/dev/null 2>&1
}
shots "$work/shots" "$work/shots.qlr"
shots "$work/english" "$work/shots.qlr" En
for name in settings-tab1:program-settings-general settings-tab2:program-settings-formats profiles:profiles-light; do
    cp "$work/english/${name%%:*}.png" "$work/shots/${name##*:}.png"
done

out="$root/help/pictures/windows"
rm -rf "$out"
mkdir -p "$out"
for picture in "$work"/shots/*.png; do
    name=$(basename "$picture" .png)
    case "$name" in
        *-dark*) [[ "$name" == monitor-* ]] || continue ;;
        *-smallest) continue ;;
    esac
    convert "$picture" -resize '900x900>' -strip -quality 84 "$out/$name.jpg"
done

# Only the pictures that a page shows.
for picture in "$out"/*.jpg; do
    grep -q "pictures/windows/$(basename "$picture")" help/pages/*.html || rm "$picture"
done

rm -rf "$root/help/pictures/filters"
QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    build/bin/helpgen --pictures "$root/help/pictures/filters" 2>/dev/null
echo "Wrote $(ls "$out" | wc -l) window pictures and $(ls "$root/help/pictures/filters" | wc -l) filter pictures."
