#!/bin/sh
# Runs a Windows program under Wine with a display, for the GUI tests.
# Without DISPLAY it starts a private Xvfb on the first free display from
# :80 to :99 and stops it afterwards. Exits with the program's exit code.
# Usage: gui-run.sh program.exe [arguments...]
set -eu
. "$(dirname "$0")/wine-env.sh"
quintel_ensure_prefix

# Wine's desktop process keeps the display it was started with, and later
# programs in the prefix draw through it. A session left from a test that
# ran without a display (or on an Xvfb that is gone) would leave these
# windows unpainted, so let it end first. It ends within seconds.
timeout 30 wineserver -w || true

xvfb=""
ready=$(mktemp)
stop_xvfb() {
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
        xvfb=""
    fi
}
trap 'stop_xvfb; rm -f "$ready"' EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 80 99); do
        [ -e "/tmp/.X$n-lock" ] && continue
        # Xvfb writes the display number to fd 3 once it takes connections,
        # and gives up at once when another server holds the number.
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -displayfd 3 3>"$ready" >/dev/null 2>&1 &
        xvfb=$!
        tries=0
        while kill -0 "$xvfb" 2>/dev/null && [ ! -s "$ready" ] && [ $tries -lt 100 ]; do
            sleep 0.1
            tries=$((tries + 1))
        done
        if kill -0 "$xvfb" 2>/dev/null && [ -s "$ready" ]; then
            export DISPLAY=":$n"
            break
        fi
        stop_xvfb
    done
    if [ -z "${DISPLAY:-}" ]; then
        echo "gui-run: no free display between :80 and :99" >&2
        exit 1
    fi
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
exit $status
