# What both MinGW-w64 toolchain files share: a cross build for 32-bit x86
# Windows whose test programs CTest runs under Wine through the emulator
# wrapper. The including file sets QUINTEL_MINGW_THREADS to the thread
# model of the compiler it wants (Debian installs both side by side).

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

# The flavour is named in full: the plain i686-w64-mingw32-g++ is whichever
# one the machine's alternatives point at, and the two make different
# programs.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${QUINTEL_MINGW_THREADS})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${QUINTEL_MINGW_THREADS})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Every machine builds the same programs: the flags are the ones below,
# never what CFLAGS, CXXFLAGS or LDFLAGS happen to hold where CMake first
# runs (CMake would take them into the cache for good).
foreach(variable CFLAGS CXXFLAGS CPPFLAGS LDFLAGS RCFLAGS)
    unset(ENV{${variable}})
endforeach()
# Code for the i486, the oldest processor Windows 95 and NT 4.0 run on:
# GCC's default for this target is the Pentium Pro, whose CMOV, FCMOV and
# FCOMI a Pentium, a K6 or a 486 does not have. The link takes them too,
# where link-time optimisation makes the code.
set(quintel_processor "-march=i486 -mtune=generic")
set(CMAKE_C_FLAGS_INIT "${quintel_processor}")
set(CMAKE_CXX_FLAGS_INIT "${quintel_processor}")
# Every function and object in a section of its own, so the linker keeps
# only what the program reaches (--gc-sections below): the libraries hold
# the windows, the switches and the companion together, and each program
# uses a part.
set(CMAKE_CXX_FLAGS_MINSIZEREL_INIT "-Os -DNDEBUG -ffunction-sections -fdata-sections")
# No DLL beyond Windows' own, no debugging symbols in what ships, and no
# section nothing refers to.
set(CMAKE_EXE_LINKER_FLAGS_INIT "${quintel_processor} -static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${quintel_processor}")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh)
