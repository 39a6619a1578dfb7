#!/bin/sh
# Runs a Windows program under Wine with a display, for the GUI tests.
# Without DISPLAY it runs under a private Xvfb brought by xvfb-run (on the
# first free display), stopped afterwards. Screenshots the tests saved as
# BMP files in QUINTEL_SCREENSHOTS are turned into PNG files afterwards.
# Exits with the program's exit code.
# Usage: gui-run.sh program.exe [arguments...]
set -eu

if [ -z "${DISPLAY:-}" ]; then
    # Starts this script again on the new display, which tells itself by
    # QUINTEL_PRIVATE_DISPLAY.
    QUINTEL_PRIVATE_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

. "$(dirname "$0")/wine-env.sh"
quintel_ensure_prefix

# Wine's desktop process keeps the display it was started with, and later
# programs in the prefix draw through it. A session left from a test that
# ran without a display (or on an Xvfb that is gone) would leave these
# windows unpainted, so let it end first. It ends within seconds.
timeout 30 wineserver -w || true

if [ -n "${QUINTEL_PRIVATE_DISPLAY:-}" ]; then
    # Xvfb has no window manager, and Wine waits two seconds for one each
    # time a managed window is hidden (a message box closing, a program
    # ending). Unmanaged windows, whose frames Wine draws itself, do not
    # wait; the setting stays in the prefix, so it is written once.
    if ! awk '/^\[Software\\\\Wine\\\\X11 Driver\]/ { section = 1; next }
              /^\[/ { section = 0 }
              section && /^"Managed"="N"/ { found = 1 }
              END { exit !found }' "$WINEPREFIX/user.reg"; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    fi
fi

status=0
wine "$@" || status=$?

# The desktop and service processes leave once the program is gone; wait
# for them while the display still exists, so none is left running and
# the next Wine session in this prefix starts clean.
timeout 30 wineserver -w || echo "gui-run: Wine processes still running in $WINEPREFIX" >&2

# A Windows program cannot start ImageMagick, so the tests save BMP files
# and they become PNG files here.
if [ -n "${QUINTEL_SCREENSHOTS:-}" ]; then
    "$(dirname "$0")/screenshots-to-png.sh" "$QUINTEL_SCREENSHOTS" || status=1
fi
exit $status
