#!/bin/sh
# Installs what the build and the tests need on a Debian machine, and only
# what is missing, so running it again costs a few dpkg queries.
set -eu

# fp-utils brings chmcmd, the compiler of the user's guide (Help.chm);
# wixl (from msitools, whose package of that name holds only msiinfo and
# the other readers) makes the MSI package, zip the
# portable archive, sox the ping sound;
# clang and libclang-rt-14-dev build the fuzz targets (libFuzzer);
# fonts-wine holds Wine's own fonts (MS Sans Serif, Tahoma, Marlett for the
# title bar's buttons), which tools/wine-env.sh copies into every prefix.
# Both thread models of MinGW-w64: win32 builds what ships, posix the test
# programs (cmake/mingw-i686*.cmake); libgtest-dev brings GoogleTest's
# sources (package googletest), which the Windows tests build. xvfb-run
# (package xvfb) needs xauth, which it only recommends.
# What ships is built for the i486 with a runtime and NSIS built here from
# Debian's sources (tools/runtime): gcc-12-source holds those of the cross
# compiler, apt-get source fetches MinGW-w64's and NSIS's (dpkg-dev; the
# deb-src entries below), scons and zlib1g-dev build NSIS, patch and
# bzip2 unpack and mend the sources.
packages="cmake ninja-build make g++ libgtest-dev googletest g++-mingw-w64-i686-win32 \
g++-mingw-w64-i686-posix binutils-mingw-w64-i686 \
wine wine32 wine64 xvfb xauth x11-apps imagemagick fp-utils wixl msitools zip sox clang libclang-rt-14-dev \
fonts-wine gcc-12-source dpkg-dev scons zlib1g-dev patch bzip2 xz-utils curl"

# The sources: MinGW-w64's from this release, NSIS's from the next (the
# archive no longer holds the upstream tarball of this release's NSIS).
# Same archive and key as the machine's own entries.
sources=/etc/apt/sources.list.d/quintel-sources.sources
need_sources=0
[ -f "$sources" ] || need_sources=1

need_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    need_i386=1
fi

missing=""
for p in $packages; do
    case $p in wine32) q=wine32:i386 ;; *) q=$p ;; esac
    if ! dpkg-query -W -f='${Status}' "$q" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $q"
    fi
done

if [ $need_i386 -eq 0 ] && [ $need_sources -eq 0 ] && [ -z "$missing" ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi

if [ $need_sources -eq 1 ]; then
    echo "install-deps: adding Debian's source packages to apt ($sources)"
    printf '%s\n' \
        "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm bookworm-updates" \
        "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" "" \
        "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: trixie" \
        "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
        $sudo tee "$sources" >/dev/null
fi

if [ $need_i386 -eq 1 ]; then
    echo "install-deps: adding the i386 architecture"
    $sudo dpkg --add-architecture i386
fi
echo "install-deps: installing$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends $missing
