#!/bin/sh
# Builds, for the i486, the runtime that what ships links statically:
# MinGW-w64's C runtime (its start-up code, libmingw32, libmingwex and the
# import library of CRTDLL.DLL, which every Windows 95 and NT has, where
# MSVCRT.DLL came only with later systems), and GCC's own (libgcc,
# libgcc_eh, crtbegin.o and crtend.o, libsupc++ and the few objects of
# libstdc++ the programs use). Debian built its copies for the Pentium
# Pro, whose CMOV and FCOMI a Pentium, a K6 or a 486 does not have; these
# come from the sources Debian built the installed cross compiler and
# runtime from, with Debian's flags and -march=i486 added.
#
# Last, NSIS (build-nsis.sh): the stubs and plug-ins of the setup program
# were built for the Pentium Pro as well, and a stub must come from the
# source of the makensis that writes it.
#
# Each piece is built once, into a folder of OUT named after its source
# version and a digest of its recipe, and reused; OUT/i486 then holds
# the files the compiler driver takes instead of its own (-B OUT/i486/),
# and OUT/nsis is the NSIS to make the setup with (OUT/nsis/bin/makensis).
#
#     build-runtime.sh OUT
set -eu

out=$(mkdir -p "$1" && cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
jobs=${JOBS:-$(nproc)}
host=i686-w64-mingw32
cc=$host-gcc-win32
cxx=$host-g++-win32
# Debian's flags for its target libraries, and the processor.
march="-march=i486 -mtune=generic"
cflags="-g -O2 $march"

fail() {
    echo "build-runtime: $*" >&2
    exit 1
}

version_of() {
    dpkg-query -W -f='${Version}' "$1" 2>/dev/null || fail "the package $1 is not installed (make deps)"
}

crt_version=$(version_of mingw-w64-i686-dev)
gcc_version=$(version_of gcc-12-source)
compiler_version=$(version_of gcc-mingw-w64-i686-win32)
# The cross compiler's version is the version of the GCC sources it was
# built from and its own suffix: 12.2.0-14+deb12u1+25.2+b1 from 12.2.0-14+deb12u1.
case $compiler_version in
    "$gcc_version"+*) ;;
    *) fail "the cross compiler $compiler_version was not built from gcc-12-source $gcc_version" ;;
esac
recipe=$(cat "$0" "$here"/gcc-*.patch | sha256sum | cut -c1-12)

# Runs "$@" with its output in LOG, which is shown when it fails.
logged() {
    log=$1
    shift
    if ! "$@" >>"$log" 2>&1; then
        tail -n 40 "$log" >&2
        fail "failed: $* (the whole log: $log)"
    fi
}

build_crt() {
    dir=$out/mingw-w64-$crt_version-$recipe
    [ -f "$dir/.done" ] && return 0
    rm -rf "$dir"
    mkdir -p "$dir" "$out/sources"
    log=$dir/build.log
    version=${crt_version%-*}
    orig=$out/sources/mingw-w64_$version.orig.tar.bz2
    if [ ! -f "$orig" ]; then
        # apt-get checks the file against the archive's signed index.
        (cd "$out/sources" && logged "$log" apt-get source --download-only "mingw-w64=$crt_version")
    fi
    logged "$log" tar -xjf "$orig" -C "$dir"
    # The objects of lib32 are made before any rule makes the folder.
    mkdir -p "$dir/build/lib32"
    # CRTDLL.DLL stands in for MSVCRT.DLL as libmsvcrt.a; MinGW-w64 keeps
    # the start-up calls CRTDLL lacks (__getmainargs and the like) in
    # that library as small functions over CRTDLL's own.
    (cd "$dir/build" && logged "$log" "../mingw-w64-v$version/mingw-w64-crt/configure" \
        --host=$host --disable-lib64 --enable-lib32 --with-default-msvcrt=crtdll \
        CC=$cc CFLAGS="$cflags")
    (cd "$dir/build" && logged "$log" make -j "$jobs" \
        lib32/crt2.o lib32/dllcrt2.o lib32/libmingw32.a lib32/libmingwex.a \
        lib32/libmoldname.a lib32/libmsvcrt.a lib32/libkernel32.a)
    mkdir -p "$dir/lib"
    for f in crt2.o dllcrt2.o libmingw32.a libmingwex.a libmoldname.a libmsvcrt.a libkernel32.a; do
        cp "$dir/build/lib32/$f" "$dir/lib/$f"
    done
    rm -rf "$dir/build" "$dir/mingw-w64-v$version"
    touch "$dir/.done"
}

# The libstdc++ objects the shipped programs use beyond libsupc++. They
# replace Debian's in a copy of its libstdc++.a, so the build's own tools
# (streams and all) still link; a shipped program that comes to need
# another object gets Debian's, which tools/check-i486.sh then finds.
libstdcxx_objects="c++11/chrono c++11/functional c++11/shared_ptr c++98/tree"

build_gcc() {
    dir=$out/gcc-$gcc_version-$recipe
    [ -f "$dir/.done" ] && return 0
    rm -rf "$dir"
    mkdir -p "$dir"
    log=$dir/build.log
    src=$dir/gcc-12.2.0
    logged "$log" tar -xJf /usr/src/gcc-12/gcc-12.2.0-dfsg.tar.xz -C "$dir" \
        gcc-12.2.0/libgcc gcc-12.2.0/libstdc++-v3 gcc-12.2.0/libiberty gcc-12.2.0/include \
        gcc-12.2.0/config gcc-12.2.0/gcc gcc-12.2.0/config.guess gcc-12.2.0/config.sub \
        gcc-12.2.0/install-sh gcc-12.2.0/missing gcc-12.2.0/mkinstalldirs \
        gcc-12.2.0/move-if-change gcc-12.2.0/ltmain.sh gcc-12.2.0/config-ml.in
    for patch in "$here"/gcc-*.patch; do
        logged "$log" patch -d "$src" -p1 -i "$patch"
    done

    # libgcc builds inside GCC's own build, from headers that configuring
    # the compiler makes. The installed compiler's plugin headers are those
    # of its own configuration; tconfig.h and libgcc.mvars are what GCC's
    # build would write for this target.
    objdir=$dir/gcc-objdir
    mkdir -p "$objdir"
    plugin=$($cc -print-file-name=plugin)/include
    [ -f "$plugin/tm.h" ] || fail "no plugin headers at $plugin"
    for f in "$plugin"/*; do ln -s "$f" "$objdir/"; done
    (cd "$objdir" && logged "$log" env HEADERS="auto-host.h ansidecl.h config/i386/xm-mingw32.h" \
        DEFINES=USED_FOR_TARGET TARGET_CPU_DEFAULT= sh "$src/gcc/mkconfig.sh" tconfig.h)
    cat >"$objdir/libgcc.mvars" <<EOF
GCC_CFLAGS = $cflags -DIN_GCC -DCROSS_DIRECTORY_STRUCTURE -W -Wall -Wno-narrowing -Wwrite-strings -Wcast-qual -Wstrict-prototypes -Wmissing-prototypes -Wold-style-definition
INHIBIT_LIBC_CFLAGS =
TARGET_SYSTEM_ROOT =
NO_PIE_CFLAGS =
EOF
    mkdir -p "$dir/libgcc"
    (cd "$dir/libgcc" && logged "$log" "$src/libgcc/configure" --host=$host \
        --enable-shared CC=$cc CFLAGS="$cflags" AR=$host-ar RANLIB=$host-ranlib)
    (cd "$dir/libgcc" && logged "$log" make -j "$jobs" gcc_objdir="$objdir" \
        libgcc.a libgcc_eh.a crtbegin.o crtend.o)

    # libstdc++ with the headers the programs are compiled against: the
    # configuration header is the installed one, not what configure finds
    # on this machine.
    mkdir -p "$dir/libstdc++"
    (cd "$dir/libstdc++" && logged "$log" "$src/libstdc++-v3/configure" --host=$host \
        --disable-multilib --enable-fully-dynamic-string --enable-libstdcxx-time=yes \
        --disable-libstdcxx-pch CC=$cc CXX=$cxx CFLAGS="$cflags" CXXFLAGS="$cflags" \
        AR=$host-ar RANLIB=$host-ranlib NM=$host-nm)
    (cd "$dir/libstdc++" && logged "$log" make -C include)
    installed=$($cxx -print-file-name=include)/c++/$host/bits/c++config.h
    [ -f "$installed" ] || fail "no $installed"
    cp "$installed" "$dir/libstdc++/include/$host/bits/c++config.h"
    (cd "$dir/libstdc++" && logged "$log" make -j "$jobs" -C libsupc++)
    objects=
    for o in $libstdcxx_objects; do
        (cd "$dir/libstdc++" && logged "$log" make -C "src/${o%/*}" "${o#*/}.lo")
        objects="$objects $dir/libstdc++/src/$o.o"
    done

    mkdir -p "$dir/lib"
    cp "$dir/libgcc/libgcc.a" "$dir/libgcc/libgcc_eh.a" "$dir/libgcc/crtbegin.o" \
        "$dir/libgcc/crtend.o" "$dir/lib/"
    cp "$dir/libstdc++/libsupc++/.libs/libsupc++.a" "$dir/lib/"
    cp "$($cxx -print-file-name=libstdc++.a)" "$dir/lib/libstdc++.a"
    mkdir "$dir/supc++"
    (cd "$dir/supc++" && $host-ar x "$dir/lib/libsupc++.a")
    # shellcheck disable=SC2086
    logged "$log" $host-ar rs "$dir/lib/libstdc++.a" "$dir/supc++/"*.o $objects
    rm -rf "$src" "$objdir" "$dir/libgcc" "$dir/libstdc++" "$dir/supc++"
    touch "$dir/.done"
}

# Both pieces at once: each spends part of its time in configure scripts,
# which use one processor.
build_crt &
crt=$!
build_gcc &
gcc=$!
status=0
wait $crt || status=1
wait $gcc || status=1
[ $status -eq 0 ] || fail "a piece of the runtime did not build"

overlay=$out/i486
rm -rf "$overlay.new"
mkdir -p "$overlay.new"
# With their times kept, an unchanged runtime relinks nothing.
cp -p "$out/mingw-w64-$crt_version-$recipe/lib/"* "$out/gcc-$gcc_version-$recipe/lib/"* "$overlay.new/"
rm -rf "$overlay"
mv "$overlay.new" "$overlay"

# NSIS links the plug-ins that need a C runtime against this one, so its
# folder is named after both recipes.
nsis_recipe=$(cat "$here/build-nsis.sh" "$0" "$here"/gcc-*.patch | sha256sum | cut -c1-12)
nsis=$out/nsis-3.11-$nsis_recipe
"$here/build-nsis.sh" "$out/sources" "$nsis" "$overlay"
ln -sfn "$(basename "$nsis")" "$out/nsis"

# Builds of an older recipe or source go.
for old in "$out"/mingw-w64-* "$out"/gcc-* "$out"/nsis-*; do
    case $old in
        "$out/mingw-w64-$crt_version-$recipe" | "$out/gcc-$gcc_version-$recipe" | "$nsis") ;;
        *) rm -rf "$old" ;;
    esac
done
