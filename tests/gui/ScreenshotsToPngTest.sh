#!/bin/sh
# The GUI tests save their screenshots as BMP files; tools/gui-run.sh makes
# PNG files of them with tools/screenshots-to-png.sh. This checks that
# script on a 24-bit BMP of the kind the driver writes, and on a file that
# only claims to be one. Usage: ScreenshotsToPngTest.sh script scratch-folder
set -u
script=$1
folder=$2
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

rm -rf "$folder"
mkdir -p "$folder/good" "$folder/bad" "$folder/empty"

convert -size 7x5 xc:'#336699' -type TrueColor BMP3:"$folder/good/window.bmp"
if "$script" "$folder/good"; then :; else fail "a good BMP: exit code $?"; fi
[ -e "$folder/good/window.bmp" ] && fail "the BMP is still there after its conversion"
if [ -f "$folder/good/window.png" ]; then
    picture=$(identify -format '%m %w %h %[pixel:p{3,2}]' "$folder/good/window.png")
    [ "$picture" = "PNG 7 5 srgb(51,102,153)" ] ||
        fail "window.png is \"$picture\", not a 7 x 5 PNG of the BMP's colour"
else
    fail "no window.png"
fi

printf 'not a picture' >"$folder/bad/broken.bmp"
if "$script" "$folder/bad" 2>/dev/null; then fail "a broken BMP: exit code 0"; fi
[ -f "$folder/bad/broken.bmp" ] || fail "the broken BMP was removed"
[ -e "$folder/bad/broken.png" ] && fail "a PNG was left for the broken BMP"

if "$script" "$folder/empty"; then :; else fail "an empty folder: exit code $?"; fi

[ $failures -eq 0 ] && echo "screenshots-to-png: every check passed"
exit $((failures != 0))
