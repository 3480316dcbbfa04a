#!/bin/sh
# The host gallery renders its form to DIR/gallery-host.bmp (and .png when
# ImageMagick is there); the picture must exist and show more than a few colours.
# Usage: gallery_host_screen.sh GALLERY DIR
set -eu
gallery=$1
dir=$2
rm -f "$dir/gallery-host.bmp" "$dir/gallery-host.png"
timeout 30 "$gallery" "$dir"
[ -s "$dir/gallery-host.bmp" ] || { echo "FAILED: no $dir/gallery-host.bmp"; exit 1; }
if command -v convert >/dev/null 2>&1; then
    convert "$dir/gallery-host.bmp" "$dir/gallery-host.png"
    colours=$(identify -format '%k' "$dir/gallery-host.png")
    echo "gallery-host.png: $colours colours"
    [ "$colours" -gt 8 ] || { echo "FAILED: the host picture is blank"; exit 1; }
fi
