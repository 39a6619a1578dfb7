#!/bin/sh
# Makes a delay import library for one of Windows' DLLs from MinGW's import
# library of it: every function the import library names, resolved on first
# use by the program's own __delayLoadHelper2 (src/win32/DelayLoad.cpp).
# Usage: make-delay-lib.sh nm dlltool objcopy import-library dll-name output
set -eu
nm=$1 dlltool=$2 objcopy=$3 import=$4 dll=$5 output=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# __imp__Name@8 is the slot of Name@8, exported by the DLL as Name.
"$nm" "$import" 2>/dev/null | sed -n 's/^[0-9a-f]* I __imp__//p' | sort -u >"$work/names"
if [ ! -s "$work/names" ]; then
    echo "make-delay-lib: $import names no function" >&2
    exit 1
fi
{ echo "LIBRARY $dll"; echo "EXPORTS"; cat "$work/names"; } >"$work/exports.def"
"$dlltool" -m i386 -k -d "$work/exports.def" -D "$dll" -y "$work/delay.a"
# Each function's object holds its loading stub beside a "jmp" thunk that
# carries the function's own name. The code calls through the slot
# (__declspec(dllimport)), never through the thunk, and ld drops the code
# of an import object whose thunk no one names, loading stub and all. With
# the thunk's name kept inside its object, ld keeps the stub the slot
# points at.
sed 's/^/_/' "$work/names" >"$work/thunks"
"$objcopy" --localize-symbols="$work/thunks" "$work/delay.a"
mv "$work/delay.a" "$output"
