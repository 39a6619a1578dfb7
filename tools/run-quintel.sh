#!/bin/sh
# Starts Quintel.exe in the project's Wine prefix. Without a display it
# runs under a private Xvfb brought by xvfb-run and saves screenshots
# beside the prefix: what the start shows (the tip of the day at a first
# start), and, when it was started without arguments, the main window.
# Usage: run-quintel.sh path/to/Quintel.exe [arguments...]
set -eu

if [ -z "${DISPLAY:-}" ]; then
    # Starts this script again on the new display, which tells itself by
    # QUINTEL_PRIVATE_DISPLAY.
    QUINTEL_PRIVATE_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

. "$(dirname "$0")/wine-env.sh"
exe=$1
shift
quintel_ensure_prefix

if [ -z "${QUINTEL_PRIVATE_DISPLAY:-}" ]; then
    exec wine "$exe" "$@"
fi

trap 'wineserver -k 2>/dev/null || true' EXIT
# Xvfb has no window manager: let Wine draw the window frames itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true

# Starts the program, lets its windows settle (a program that ends sooner,
# a command-line switch, simply leaves an empty screen), photographs the
# screen into $1 and ends the Wine session.
run_and_shoot() {
    shot=$1
    shift
    wine "$exe" "$@" &
    program=$!
    for _ in 1 2 3 4 5 6 7 8; do
        kill -0 $program 2>/dev/null || break
        sleep 1
    done
    xwd -root -silent | convert xwd:- "$shot"
    echo "run-quintel: screenshot saved to $shot"
    if kill -0 $program 2>/dev/null; then
        wineserver -k 2>/dev/null || true
    fi
    wait $program 2>/dev/null || true
}

run_and_shoot "$QUINTEL_BUILD/quintel-screenshot.png" "$@"
[ $# -eq 0 ] || exit 0

# The main window waits behind the tip of the day at a first start. Start
# once more with the tip left out, then put the user's choice back as it was.
tips='HKCU\Software\Quintel\Options'
choice='Show Tips at Startup'
saved=$(wine reg query "$tips" /v "$choice" 2>/dev/null | tr -d '\r' |
        sed -n "s/^[[:space:]]*$choice[[:space:]]*REG_SZ[[:space:]]*//p")
wine reg add "$tips" /v "$choice" /d 0 /f >/dev/null 2>&1
run_and_shoot "$QUINTEL_BUILD/quintel-main-window.png"
if [ -n "$saved" ]; then
    wine reg add "$tips" /v "$choice" /d "$saved" /f >/dev/null 2>&1
else
    wine reg delete "$tips" /v "$choice" /f >/dev/null 2>&1 || true
fi
