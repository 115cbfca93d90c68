#!/usr/bin/env bash
# Renders the program icon from its SVG: the PNG sizes of the hicolor theme, and the Windows .ico
# (16, 24, 32, 48 and 256 pixels, the largest stored as PNG). The results are kept in the repo, so
# a build needs neither tool; run this again after changing the SVG.
# Needs rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -euo pipefail
cd "$(dirname "$0")"

id=example.norvik.Keywright
svg=$id.svg
for size in 16 24 32 48 64 128 256; do
    dir=hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --format png "$svg" --output "$dir/$id.png"
done

ico_sizes=(16 24 32 48)
args=()
for size in "${ico_sizes[@]}"; do
    args+=("hicolor/${size}x${size}/apps/$id.png")
done
icotool --create --output keywright.ico "${args[@]}" --raw="hicolor/256x256/apps/$id.png"
echo "Rendered $svg into hicolor/*/apps/$id.png and keywright.ico"
