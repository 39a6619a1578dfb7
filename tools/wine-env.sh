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

# Wine's own fonts (Debian package fonts-wine): MS Sans Serif, the face
# Quintel's layout is measured in, Tahoma, and Marlett, which draws the
# title bars' buttons. Debian's Wine does not look in this folder, and
# without them it falls back to a wider Linux face and draws the buttons
# as letters.
QUINTEL_WINE_FONTS=/usr/share/wine/fonts

# Copies into the prefix's Fonts folder each of Wine's fonts it lacks, so
# a prefix made before the fonts were installed gets them too.
quintel_copy_fonts() {
    [ -d "$QUINTEL_WINE_FONTS" ] || return 0
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    for font in "$QUINTEL_WINE_FONTS"/*; do
        [ -e "$fonts/${font##*/}" ] || cp "$font" "$fonts/"
    done
}

# Makes the prefix once and gives it Wine's fonts; concurrent callers wait
# for the first.
quintel_ensure_prefix() {
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            echo "wine: creating prefix $WINEPREFIX" >&2
            wineboot -i >/dev/null 2>&1 || true
            wineserver -w
        fi
        quintel_copy_fonts
    ) 9>"$WINEPREFIX.lock"
}
