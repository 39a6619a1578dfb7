#!/bin/sh
# Builds NSIS from Debian's nsis 3.11-1 source: makensis for this machine,
# and the x86 stubs and plug-ins that go into every setup it writes.
#
# Why: Debian's own stubs and plug-ins are built for the Pentium Pro and use
# CMOV, so a setup made with them dies on an i486. Here every Windows file
# is compiled with -march=i486 -mtune=generic. A stub must come from the
# same source as the makensis that writes it, so makensis is built here too.
# Our setup is ANSI (it has to start on Windows 95 and 98), but the Unicode
# stubs and plug-ins are built as well: makensis will not start without the
# Unicode zlib stub, its default before a script says `Unicode false`.
#
# Usage: build-nsis.sh SOURCE_CACHE_DIR OUT_DIR RUNTIME_DIR
#
# SOURCE_CACHE_DIR keeps the downloaded source between runs. RUNTIME_DIR
# is the i486 runtime of build-runtime.sh, which the plug-ins that link a C
# runtime (System.dll among them) take instead of Debian's: its CRTDLL.DLL
# is on every Windows 95, where MSVCRT.DLL is not. Needs the
# packages scons, zlib1g-dev, g++, dpkg-dev, gcc-mingw-w64-i686-win32,
# g++-mingw-w64-i686-win32, binutils-mingw-w64-i686, and an apt deb-src
# entry for trixie (the script never changes apt's sources).
#
# What it leaves in OUT_DIR:
#   bin/makensis          run it as it is: its data paths below are built in
#   share/nsis/           Include, Contrib, Stubs, Plugins/x86-ansi
#   etc/nsisconf.nsh
#   unstripped/           the same stubs and plug-ins with their symbols, and
#                         the linker map of each, for checking their code:
#                         unstripped/Stubs/NAME and NAME.map,
#                         unstripped/Plugins/x86-ansi/NAME.dll and NAME.map
#                         (and x86-unicode), unstripped/Contrib/UIs/NAME.exe
#                         (no maps)
#   BUILD-INFO            where the source came from and how it was built
#   .done                 stamp: a run that finds it does nothing
# If OUT_DIR is moved, point makensis at the data with NSISDIR=OUT_DIR/share/nsis
# and NSISCONFDIR=OUT_DIR/etc.

set -eu

deb_version=3.11-1
up_version=3.11
dsc=nsis_$deb_version.dsc
orig=nsis_$up_version.orig.tar.gz
pool=http://deb.debian.org/debian/pool/main/n/nsis
cross=i686-w64-mingw32-
cpu_flags='-march=i486 -mtune=generic'

me=build-nsis.sh
die() {
    echo "$me: $*" >&2
    exit 1
}

# Runs a command with its output in a log; on failure shows the log's end.
# Usage: logged LOG WHAT COMMAND...
logged() {
    log=$1 what=$2
    shift 2
    if ! "$@" >"$log" 2>&1; then
        echo "$me: $what failed; the end of $log:" >&2
        tail -n 40 "$log" >&2
        exit 1
    fi
}

[ $# -eq 3 ] || die "usage: $me SOURCE_CACHE_DIR OUT_DIR RUNTIME_DIR"
mkdir -p "$1" "$2" || die "cannot make $1 or $2"
cache=$(cd "$1" && pwd)
out=$(cd "$2" && pwd)
runtime=$(cd "$3" && pwd)
[ -f "$runtime/libgcc.a" ] || die "no i486 runtime in $runtime"

[ -f "$out/.done" ] && exit 0

missing=
for tool in scons:scons dpkg-source:dpkg-dev apt-get:apt g++:g++ \
            ${cross}gcc-win32:gcc-mingw-w64-i686-win32 \
            ${cross}g++-win32:g++-mingw-w64-i686-win32 \
            ${cross}windres:binutils-mingw-w64-i686 \
            ${cross}objcopy:binutils-mingw-w64-i686; do
    command -v "${tool%%:*}" >/dev/null 2>&1 || missing="$missing ${tool#*:}"
done
[ -f /usr/include/zlib.h ] || missing="$missing zlib1g-dev"
[ -z "$missing" ] || die "missing Debian packages:$missing"

# A run that failed half-way leaves these; start them again from nothing.
work=$out/work
rm -rf "$work" "${out:?}/bin" "${out:?}/share" "${out:?}/etc" "${out:?}/unstripped" "${out:?}/BUILD-INFO"
mkdir -p "$work/log"

# The source. apt-get checks what it fetches against trixie's signed index.
# When the mirror has only the upstream tarball (the .dsc and Debian's
# patches missing), that tarball is still checked against the same index,
# and built without Debian's patches.
if [ ! -f "$cache/$dsc" ]; then
    (cd "$cache" && apt-get source --download-only "nsis=$deb_version") \
        >"$work/log/fetch.log" 2>&1 || true
fi
src=$work/nsis-$up_version
if [ -f "$cache/$dsc" ]; then
    logged "$work/log/unpack.log" "unpacking $dsc" \
        dpkg-source -x "$cache/$dsc" "$src"
    version=$deb_version
    origin="Debian source package nsis $deb_version, with Debian's patches"
    epoch=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp)
else
    want=$(apt-cache showsrc nsis 2>/dev/null | awk -v v="$deb_version" -v f="$orig" '
        /^Version:/ { ours = ($2 == v) }
        ours && /^Checksums-Sha256:/ { sums = 1; next }
        /^[^ ]/ { sums = 0 }
        ours && sums && $3 == f { print $1; exit }')
    [ -n "$want" ] || die "apt knows no nsis $deb_version source: add a deb-src entry for trixie and run apt-get update (see $work/log/fetch.log)"
    if [ ! -f "$cache/$orig" ]; then
        curl -fsS -o "$cache/$orig.part" "$pool/$orig" \
            || die "cannot download $pool/$orig"
        mv "$cache/$orig.part" "$cache/$orig"
    fi
    got=$(sha256sum "$cache/$orig" | cut -d' ' -f1)
    if [ "$got" != "$want" ]; then
        rm -f "$cache/$orig"
        die "$orig has sha256 $got, trixie's index says $want; removed it, run again"
    fi
    mkdir -p "$src"
    tar -xzf "$cache/$orig" -C "$src" --strip-components=1 \
        || die "cannot unpack $cache/$orig"
    version=$up_version
    origin="upstream tarball $orig of Debian's nsis $deb_version (sha256 $want, as in trixie's index); the .dsc and Debian's patches could not be fetched"
    epoch=$(date -r "$src/SConstruct" +%s)
fi

# Options both builds share. The data paths are built into makensis, so it
# finds its stubs, plug-ins and includes here wherever it is called from.
set -- VERSION="$version" VER_MAJOR=3 VER_MINOR=11 VER_REVISION=0 \
    PREFIX="$out" PREFIX_CONF="$out/etc" SOURCE_DATE_EPOCH="$epoch" SKIPDOC=all

# makensis, for this machine, with the hardening flags Debian uses.
cd "$src"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
logged "$work/log/makensis.log" "building makensis" \
    scons -j2 "$@" STRIP_CP=no SKIPSTUBS=all SKIPPLUGINS=all SKIPUTILS=all \
    APPEND_CCFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CFLAGS)" \
    APPEND_LINKFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    makensis install-compiler install-conf

# The Windows compilers: the win32 thread model ones, named in full, with
# the CPU flags and the i486 runtime in front of every compile and link.
# The flags cannot go through
# APPEND_CCFLAGS: NSIS adds those to its compiles for this machine as well,
# whose compiler refuses -march=i486.
xbin=$work/xbin
mkdir -p "$xbin"
for c in gcc g++; do
    printf '#!/bin/sh\nexec %s%s-win32 %s -B%s/ "$@"\n' "$cross" "$c" "$cpu_flags" "$runtime" >"$xbin/$cross$c"
    chmod +x "$xbin/$cross$c"
done
# Only what Quintel's setup uses: the LZMA stub (and the zlib one, which
# makensis loads before a script names its compressor), the plug-ins its
# script and the Modern UI call, and the dialogs of the user interfaces
# (Contrib/UIs). Fewer plug-ins to build, and none that needs more of a C
# runtime than CRTDLL.DLL has.
set -- "$@" PATH="$xbin:$PATH" XGCC_W32_PREFIX="$cross" TARGET_ARCH=x86 UNICODE=yes \
    SKIPSTUBS=bzip2 \
    SKIPPLUGINS="AdvSplash,Banner,BgImage,Dialer,InstallOptions,LangDLL,Library/TypeLib,Math,NSISdl,Splash,StartMenu,VPatch/Source/Plugin" \
    SKIPUTILS="Library/RegTool,MakeLangId,Makensisw,NSIS Menu,SubStart,VPatch/Source/GenPat,zip2exe"
built=build/urelease

# First with symbols, kept for checking the code; then the same objects
# linked again stripped, which is what ships.
logged "$work/log/windows-unstripped.log" "building the stubs and plug-ins" \
    scons -j2 "$@" STRIP_W32=no stubs plugins utils
keep=$work/unstripped-build
mkdir -p "$keep"
find "$built" -name '*.exe' -o -name '*.dll' -o -name '*.bin' | while read -r f; do
    mkdir -p "$keep/${f%/*}" && cp -p "$f" "$keep/$f" || die "cannot keep $f"
done
logged "$work/log/windows.log" "building the stripped stubs and plug-ins" \
    scons -j2 "$@" STRIP_W32=yes stubs plugins utils install-data

# Each shipped file, its unstripped copy and its map, side by side under
# unstripped/. The copy must hold the very code that ships.
data=$out/share/nsis
text_of() {
    ${cross}objcopy -O binary -j .text "$1" "$2" || die "cannot read the code of $1"
}
pair() {
    shipped=$1 file=$2 dest=$3
    [ -f "$keep/$file" ] || die "no unstripped build of $shipped"
    cp -p "$keep/$file" "$dest"
    if [ -f "${file%.*}.map" ]; then
        cp -p "${file%.*}.map" "${dest%.dll}.map"
    fi
    text_of "$shipped" "$work/a.text"
    text_of "$dest" "$work/b.text"
    cmp -s "$work/a.text" "$work/b.text" \
        || die "the unstripped $dest holds other code than $shipped"
}
mkdir -p "$out/unstripped/Stubs"
n=0
for s in "$data"/Stubs/*-x86-*; do
    name=${s##*/}
    comp=${name%-x86-*}
    pair "$s" "$built/stub_$name/stub_${comp%_solid}.exe" "$out/unstripped/Stubs/$name"
    n=$((n + 1))
done
[ "$n" -eq 8 ] || die "expected 8 stubs, installed $n"
for kind in x86-ansi x86-unicode; do
    mkdir -p "$out/unstripped/Plugins/$kind"
    for p in "$data/Plugins/$kind"/*.dll; do
        name=${p##*/}
        file=$(find "$built" -path "*/$kind/$name")
        [ -n "$file" ] && [ "$(echo "$file" | wc -l)" -eq 1 ] \
            || die "cannot tell which build is $kind/$name"
        pair "$p" "$file" "$out/unstripped/Plugins/$kind/$name"
    done
done
for dir in Contrib/UIs; do
    mkdir -p "$out/unstripped/$dir"
    for p in "$data/$dir"/*; do
        [ -f "$p" ] || continue
        name=${p##*/}
        file=$(find "$built" -name "$name" ! -path '*/config/*')
        [ -n "$file" ] && [ "$(echo "$file" | wc -l)" -eq 1 ] \
            || die "cannot tell which build is $dir/$name"
        pair "$p" "$file" "$out/unstripped/$dir/$name"
    done
done
rm -rf "$keep" "$work/a.text" "$work/b.text"

"$out/bin/makensis" -VERSION >/dev/null 2>&1 || die "the built makensis does not run"

cat >"$out/BUILD-INFO" <<EOF
NSIS $version built by $me
source: $origin
makensis: native, data in $data, nsisconf.nsh in $out/etc
stubs and plug-ins: x86 ANSI and Unicode, ${cross}gcc-win32 / ${cross}g++-win32 with $cpu_flags, runtime $runtime
EOF
touch "$out/.done"
