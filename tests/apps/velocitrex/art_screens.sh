#!/bin/sh
# Draws every picture of the main program into DIR (BMP, and PNG when ImageMagick
# is there) with a contact sheet; none may be empty or one flat colour.
# Usage: art_screens.sh VELOCITREX-ART DIR
set -eu
tool=$1
dir=$2
mkdir -p "$dir"
rm -f "$dir"/*.bmp "$dir"/*.png
timeout 60 "$tool" "$dir"
count=0
for bmp in "$dir"/*.bmp; do
    [ -s "$bmp" ] || { echo "FAILED: $bmp is empty"; exit 1; }
    count=$((count + 1))
    if command -v convert >/dev/null 2>&1; then
        png=${bmp%.bmp}.png
        convert "$bmp" "$png"
        colours=$(identify -format '%k' "$png")
        [ "$colours" -gt 1 ] || { echo "FAILED: $png is one flat colour"; exit 1; }
        rm "$bmp"
    fi
done
[ "$count" -gt 10 ] || { echo "FAILED: only $count pictures"; exit 1; }
echo "$count pictures in $dir (contact-sheet.png shows them all)"
