#!/bin/sh
# Turns every BMP file in a folder into a PNG file of the same name (with
# ImageMagick) and removes the BMP. Exits 1, keeping the BMP, when one
# cannot be converted. Usage: screenshots-to-png.sh folder
set -eu
folder=$1
status=0
for bmp in "$folder"/*.bmp "$folder"/*.BMP; do
    [ -f "$bmp" ] || continue
    png="${bmp%.*}.png"
    if convert "$bmp" "$png"; then
        rm -f "$bmp"
    else
        echo "screenshots-to-png: could not convert $bmp" >&2
        rm -f "$png"
        status=1
    fi
done
exit $status
