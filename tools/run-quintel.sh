#!/bin/sh
# Starts Quintel.exe in the project's Wine prefix. Without a display it
# runs under a private Xvfb and saves a screenshot beside the prefix.
# Usage: run-quintel.sh path/to/Quintel.exe [arguments...]
set -eu
. "$(dirname "$0")/wine-env.sh"
exe=$1
shift
quintel_ensure_prefix

if [ -n "${DISPLAY:-}" ]; then
    exec wine "$exe" "$@"
fi

display=":$((90 + $$ % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
# Xvfb has no window manager: let Wine draw the window frames itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
sleep 1

wine "$exe" "$@" &
program=$!
# Let the window settle, then photograph the screen; a program that ends
# sooner (a command-line switch) simply leaves an empty screen.
for _ in 1 2 3 4 5 6 7 8; do
    kill -0 $program 2>/dev/null || break
    sleep 1
done
shot="$QUINTEL_BUILD/quintel-screenshot.png"
xwd -root -silent -display "$display" | convert xwd:- "$shot"
echo "run-quintel: screenshot saved to $shot"
if kill -0 $program 2>/dev/null; then
    wineserver -k 2>/dev/null || true
fi
wait $program 2>/dev/null || true
