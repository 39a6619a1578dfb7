# Sourced by the scripts that run Wine: the project-local prefix and quiet,
# offline Wine settings. QUINTEL_BUILD names the build folder that holds
# the prefix.
: "${QUINTEL_BUILD:=$(cd "$(dirname "$0")/.." && pwd)/build}"
export WINEPREFIX="${WINEPREFIX:-$QUINTEL_BUILD/wineprefix}"
export WINEDEBUG=-all
# winemenubuilder would turn every shortcut a setup makes into a menu entry
# of this machine's desktop, outside the prefix.
# A test may add overrides of its own in QUINTEL_DLLOVERRIDES.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=${QUINTEL_DLLOVERRIDES:+;$QUINTEL_DLLOVERRIDES}"
export WINEARCH=win64

# Makes the prefix once; concurrent callers wait for the first.
quintel_ensure_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            echo "wine: creating prefix $WINEPREFIX" >&2
            wineboot -i >/dev/null 2>&1 || true
            wineserver -w
        fi
    ) 9>"$WINEPREFIX.lock"
}
